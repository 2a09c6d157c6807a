#pragma once
// ".: Problema da Conexão :.": the server could not be reached.
#include <QDialog>
#include <memory>

namespace Ui { class TFormErro; }

class TFormErro : public QDialog {
    Q_OBJECT
public:
    // Result codes of the window.
    enum Choice { Abort = 0, Connect = 1 };

    explicit TFormErro(const QString& serverAddress, QWidget* parent = nullptr);
    ~TFormErro() override;

public slots:
    void abortProgram();    // "Abortar"
    void connectLocal();    // "Conectar"

private:
    std::unique_ptr<::Ui::TFormErro> ui;
};
