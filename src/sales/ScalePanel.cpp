#include "sales/ScalePanel.h"

#include "core/uMensagemWindow.h"
#include "sales/SalesMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QComboBox* choices(QWidget* parent, const char* name, const QStringList& items, bool editable = false)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    box->setEditable(editable);
    return box;
}
int positionOf(const QComboBox* box)
{
    return box->findText(box->currentText(), Qt::MatchExactly);
}
} // namespace

ScalePanel::ScalePanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("scalePanel"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(QStringLiteral("Configura Balança"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(title);
    auto* form = new QFormLayout;
    m_model = choices(this, "cmbBalanca", ScaleSettings::models());
    m_port = choices(this, "cmbPortaSerial", ScaleSettings::portNames(), true);
    m_baud = choices(this, "cmbBaudRate", ScaleSettings::baudRates());
    m_dataBits = choices(this, "cmbDataBits", ScaleSettings::dataBitChoices());
    m_parity = choices(this, "cmbParity", ScaleSettings::parities());
    m_stopBits = choices(this, "cmbStopBits", ScaleSettings::stopBitChoices());
    m_handshake = choices(this, "cmbHandShaking", ScaleSettings::handshakes());
    form->addRow(QStringLiteral("Modelo"), m_model);
    form->addRow(QStringLiteral("Porta"), m_port);
    form->addRow(QStringLiteral("Baud Rate"), m_baud);
    form->addRow(QStringLiteral("Data Bits"), m_dataBits);
    form->addRow(QStringLiteral("Parity"), m_parity);
    form->addRow(QStringLiteral("Stop Bits"), m_stopBits);
    form->addRow(QStringLiteral("HandShaking"), m_handshake);
    layout->addLayout(form);
    m_monitor = new QCheckBox(QStringLiteral("Monitorar Balança"), this);
    m_monitor->setChecked(true);
    layout->addWidget(m_monitor);
    m_save = new QPushButton(QStringLiteral("Gravar Configuração"), this);
    m_save->setAutoDefault(false);
    layout->addWidget(m_save);
    connect(m_save, &QPushButton::clicked, this, &ScalePanel::save);
    connect(m_model, &QComboBox::activated, this, [this] {
        if (!isScaleModelSupported(model()))
            ShowMessageWindow(salesmsg::title, scalemsg::notSupported(model()));
    });
    show(ScaleSettings());
    hide();
}

ScaleSettings ScalePanel::settings() const
{
    ScaleSettings s;
    s.model = m_model->currentIndex();
    s.port = positionOf(m_port);
    s.baud = m_baud->currentIndex();
    s.dataBits = m_dataBits->currentIndex();
    s.parity = m_parity->currentIndex();
    s.stopBits = m_stopBits->currentIndex();
    s.handshake = m_handshake->currentIndex();
    return s;
}

void ScalePanel::show(const ScaleSettings& s)
{
    const std::pair<QComboBox*, int> boxes[] = {{m_model, s.model}, {m_port, s.port}, {m_baud, s.baud},
        {m_dataBits, s.dataBits}, {m_parity, s.parity}, {m_stopBits, s.stopBits}, {m_handshake, s.handshake}};
    for (const auto& [box, position] : boxes) {
        if (position >= 0 && position < box->count())
            box->setCurrentIndex(position);
        else if (box->isEditable())
            box->setEditText(QString());
    }
}

QString ScalePanel::model() const { return m_model->currentText(); }
QString ScalePanel::port() const { return m_port->currentText(); }
int ScalePanel::baud() const { return m_baud->currentText().toInt(); }
int ScalePanel::dataBits() const { return m_dataBits->currentText().toInt(); }
QString ScalePanel::parity() const { return m_parity->currentText(); }
QString ScalePanel::stopBits() const { return m_stopBits->currentText(); }
QString ScalePanel::handshake() const { return m_handshake->currentText(); }

void ScalePanel::open()
{
    show(ScaleSettings::load(settings()));
    m_opened = settings();
    QFrame::show();
    raise();
    m_model->setFocus();
}

void ScalePanel::save()
{
    try {
        settings().save();
    } catch (const std::exception&) {
        // the settings stay as they were
    }
    show(ScaleSettings::load(settings()));
    hide();
    emit saved();
}

void ScalePanel::cancel()
{
    show(m_opened);
    hide();
}

void ScalePanel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        cancel();
        return;
    }
    QFrame::keyPressEvent(event);
}
