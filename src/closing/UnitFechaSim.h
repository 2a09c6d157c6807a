#pragma once
// "Força fechamento": whether this station pays a tab only after its pre-bill.
#include <QDialog>
#include <memory>

namespace Ui { class TFormFechasim; }

class TFormFechasim : public QDialog {
    Q_OBJECT
public:
    explicit TFormFechasim(QWidget* parent = nullptr);
    ~TFormFechasim() override;
    Ui::TFormFechasim& ui() { return *m_ui; }
public slots:
    void confirm();
private:
    std::unique_ptr<Ui::TFormFechasim> m_ui;
};
