#pragma once
// ":: Relatório Por Codigos de Desp/Creditos ::": the entries of every account in
// a period added up by their code, in the page report "CAIXA/RAZAO - Por Codigo
// Desp/Créditos" (AccountBookReports). The window closes after it.
#include <QDialog>
#include <memory>

namespace Ui { class TFormMedia; }
class TLogon;
class QDate;

class TFormMedia : public QDialog {
    Q_OBJECT
public:
    // accountCaption: the main window's account label, shown in the header.
    TFormMedia(TLogon& logon, const QString& accountCaption, QWidget* parent = nullptr);
    explicit TFormMedia(TLogon& logon, QWidget* parent = nullptr);
    ~TFormMedia() override;

    void setPeriod(const QDate& start, const QDate& end);
    void setOnlyWithMovement(bool only);

public slots:
    void generate();   // "&Gerar"

private:
    std::unique_ptr<::Ui::TFormMedia> ui;
    TLogon& m_logon;
    QString m_accountCaption;
};
