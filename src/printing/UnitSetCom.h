#pragma once
// "Setup da na comanda": the station's tab and printer settings (setup.INI,
// portas.INI, fonte.INI, junta.INI, MensagemCupom.INI). The files are read when
// the window is created and all written by "Confirmar", the only way out.
#include "printing/SetComSettings.h"

#include <QDialog>
#include <QStringList>
#include <memory>

namespace Ui { class TFormSetCom; }
class QComboBox;
class QKeyEvent;
class QLineEdit;

class TFormSetCom : public QDialog {
    Q_OBJECT
public:
    // Destination boxes list the printers the platform reports as installed.
    explicit TFormSetCom(QWidget* parent = nullptr);
    TFormSetCom(const QStringList& installedPrinters, QWidget* parent = nullptr);
    ~TFormSetCom() override;

    // What the fields hold now / puts values into the fields.
    SetComValues values() const;
    void showValues(const SetComValues& values);

public slots:
    // "Confirmar": saves the five files and closes; a file that cannot be written
    // shows the error and the window stays open.
    void confirm();
    // Leaving is only through "Confirmar".
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updatePortFields();
    QComboBox* destinationBox(PrinterSlot slot) const;
    QLineEdit* portEdit(PrinterSlot slot) const;
    bool keyPressed(QWidget* field, QKeyEvent* key);
    void fieldLeft(QWidget* field);

    std::unique_ptr<::Ui::TFormSetCom> ui;
};
