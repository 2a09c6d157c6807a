#pragma once
// "Configuração da Rede": this station's database server, for the next start.
#include <QDialog>
#include <memory>

namespace Ui { class TFormSetupRede; }
class QLineEdit;
class QRadioButton;

class TFormSetupRede : public QDialog {
    Q_OBJECT
public:
    explicit TFormSetupRede(QWidget* parent = nullptr);
    ~TFormSetupRede() override;

    QLineEdit* addressField() const;
    QRadioButton* serverChoice() const;
    QRadioButton* terminalChoice() const;
    // True once the address was written: the program ends so the next start uses it.
    bool endsProgram() const { return m_endsProgram; }

public slots:
    bool confirmAddress();   // "&C-Confirmar"

private:
    std::unique_ptr<::Ui::TFormSetupRede> ui;
    bool m_endsProgram = false;
};
