#pragma once
// "Venda de Pizza Fracionada": up to four flavour codes; leaves the flavour list
// in LookupCode and the description in ProductLookupCode when confirmed, and
// both as they were when closed by the close box.
#include <QDialog>
#include <array>
#include <memory>

namespace Ui { class TFormFracao; }
class QLabel;
class QLineEdit;
class TLogon;

class TFormFracao : public QDialog {
    Q_OBJECT
public:
    explicit TFormFracao(TLogon& logon, QWidget* parent = nullptr);
    ~TFormFracao() override;

    QLineEdit* codeBox(int k) const { return m_boxes[size_t(k)]; }
    QLabel* nameLabel(int k) const { return m_names[size_t(k)]; }
    QString description() const;

public slots:
    void codeBoxLeft(int k);     // 0..3
    void lookUp(int k);          // the lookup button beside box k
    void confirm();              // "Retornar/Confirmar"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rebuildDescription();

    std::unique_ptr<::Ui::TFormFracao> ui;
    TLogon& m_logon;
    std::array<QLineEdit*, 4> m_boxes{};
    std::array<QLabel*, 4> m_names{};
};
