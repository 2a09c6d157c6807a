#pragma once
// "Configura Balança": the scale settings panel of the tab page. It shows the
// positions of confBalanca.ini and writes them back with "Gravar Configuração".
#include "sales/Scale.h"

#include <QFrame>

class QCheckBox;
class QComboBox;
class QPushButton;

class ScalePanel : public QFrame {
    Q_OBJECT
public:
    explicit ScalePanel(QWidget* parent = nullptr);

    QComboBox* modelBox() const { return m_model; }
    QComboBox* portBox() const { return m_port; }
    QComboBox* baudBox() const { return m_baud; }
    QComboBox* dataBitsBox() const { return m_dataBits; }
    QCheckBox* monitorBox() const { return m_monitor; }
    QPushButton* saveButton() const { return m_save; }

    // The selectors' positions (the port typed by hand and not in the list: -1).
    ScaleSettings settings() const;
    void show(const ScaleSettings& s);
    // What the activation applies: the model named, the port text, baud and data bits shown.
    QString model() const;
    QString port() const;
    int baud() const;
    int dataBits() const;
    QString parity() const;
    QString stopBits() const;
    QString handshake() const;

public slots:
    void open();   // reads the file into the selectors and shows the panel
    void save();   // "Gravar Configuração": writes the file, reads it back, hides the panel
    void cancel(); // Escape: hides the panel, the selectors back to what it opened with

protected:
    void keyPressEvent(QKeyEvent* event) override;

signals:
    void saved();

private:
    QComboBox *m_model, *m_port, *m_baud, *m_dataBits, *m_parity, *m_stopBits, *m_handshake;
    QCheckBox* m_monitor;
    QPushButton* m_save;
    ScaleSettings m_opened;   // what the selectors showed when the panel opened
};
