#pragma once
// ": Troca de Mesa :": moves every item of up to five tabs into one (TableMove).
#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui { class TFormMudaMesa; }
class TLogon;
class QLineEdit;

class TFormMudaMesa : public QDialog {
    Q_OBJECT
public:
    explicit TFormMudaMesa(TLogon& logon, QWidget* parent = nullptr);
    ~TFormMudaMesa() override;
    void setSource(const QString& tab);   // the opener's table box into source 1

public slots:
    void source1Left();
    void destinationLeft();
    void confirm();   // "Confirmar"

private:
    QStringList sources() const;
    QList<QLineEdit*> sourceEdits() const;

    std::unique_ptr<::Ui::TFormMudaMesa> ui;
    TLogon& m_logon;
};
