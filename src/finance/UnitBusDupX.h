#pragma once
// "Localiza Duplicatas": the payable titles by number; "&Localiza" moves the list
// to the title whose number equals the text typed. Whenever the window closes its
// result is the number of the list's current row (empty when there is none).
#include <QDialog>
#include <memory>

namespace Ui { class TFormBusDupX; }
class TLogon;

class TFormBusDupX : public QDialog {
    Q_OBJECT
public:
    explicit TFormBusDupX(TLogon& logon, QWidget* parent = nullptr);
    ~TFormBusDupX() override;

    QString resultNumber() const;
    int listedCount() const;
    void setSearchText(const QString& text);
    void done(int result) override;

public slots:
    void locate();   // "&Localiza"

private:
    std::unique_ptr<::Ui::TFormBusDupX> ui;
};
