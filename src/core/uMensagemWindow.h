#pragma once
// The program's one message window and the call every module uses to show it.

#include <QDialog>
#include <memory>

namespace Ui { class TFormMensagem; }

// Shows the message window through the UI seam and returns "S" or "N".
// buttons "1": a single "Ok"; anything else: "Sim" and "Não".
// kind "alerta" or "1" paints the title band dark red, anything else blue.
QString ShowMessageWindow(const QString& title, const QString& text,
                          const QString& buttons = QStringLiteral("1"),
                          const QString& kind = QString());

class TFormMensagem : public QDialog {
    Q_OBJECT
public:
    TFormMensagem(const QString& title, const QString& text, const QString& buttons,
                  const QString& kind, QWidget* parent = nullptr);
    ~TFormMensagem() override;

    QString answer() const { return m_answer; }

    // True when the title band is the alert (dark red) one.
    static bool isAlertKind(const QString& kind);

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void answerYes();
    void answerNo();

private:
    std::unique_ptr<::Ui::TFormMensagem> ui;
    QString m_answer = QStringLiteral("N");
};
