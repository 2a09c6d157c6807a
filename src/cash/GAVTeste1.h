#pragma once
// "Abrir Gaveta": the cash-drawer test window. A drawer model, a port and a command
// string open the drawer through the port; the three choices are kept in
// gaveta.INI when the window closes and chosen again when it opens.
#include <QDialog>
#include <memory>

namespace Ui { class TForm1; }

class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    int model() const;
    QString port() const;
    QString command() const;
    void setModel(int index);
    void setPort(const QString& port);
    void setCommand(const QString& text);

public slots:
    void openDrawer();   // "&Abrir"

protected:
    void done(int result) override;   // keeps the choices

private:
    std::unique_ptr<::Ui::TForm1> ui;
};
