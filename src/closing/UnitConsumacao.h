#pragma once
// ":: Consumação Minima ::": the minimum consumption of a tab for this station.
#include <QDialog>
#include <memory>

namespace Ui { class TFormConsumacao; }

class TFormConsumacao : public QDialog {
    Q_OBJECT
public:
    explicit TFormConsumacao(QWidget* parent = nullptr);
    ~TFormConsumacao() override;
    Ui::TFormConsumacao& ui() { return *m_ui; }
public slots:
    void confirm();
private:
    std::unique_ptr<Ui::TFormConsumacao> m_ui;
};
