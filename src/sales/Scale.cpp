#include "sales/Scale.h"
#include "core/WholeNumber.h"

#include "core/AmountReader.h"
#include "core/FormatFloat.h"
#include "core/uMensagem.h"
#include "platform/LineFile.h"
#include "platform/Ports.h"
#include "platform/StationPaths.h"

#include <QSerialPort>
#include <QTimer>

// ---- settings ---------------------------------------------------------------------

const QStringList& ScaleSettings::models()
{
    static const QStringList l = {"Nenhuma", "Filizola", "Toledo", "Toledo2180", "Urano", "LucasTec",
                                  "Magna", "Digitron", "Magellan", "UranoPOP", "Lider"};
    return l;
}
const QStringList& ScaleSettings::portNames()
{
    static const QStringList l = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8"};
    return l;
}
const QStringList& ScaleSettings::baudRates()
{
    static const QStringList l = {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600"};
    return l;
}
const QStringList& ScaleSettings::dataBitChoices()
{
    static const QStringList l = {"5", "6", "7", "8"};
    return l;
}
const QStringList& ScaleSettings::parities()
{
    static const QStringList l = {"none", "odd", "even", "mark", "space"};
    return l;
}
const QStringList& ScaleSettings::stopBitChoices()
{
    static const QStringList l = {"s1", "s1,5", "s2", ""};
    return l;
}
const QStringList& ScaleSettings::handshakes()
{
    static const QStringList l = {"Nenhum", "XON/XOFF", "RTS/CTS", "DTR/DSR"};
    return l;
}

ScaleSettings ScaleSettings::load(const ScaleSettings& defaults)
{
    ScaleSettings s = defaults;
    std::optional<LineFile> f;
    try {
        f = LineFile::load(station::path(QString::fromLatin1(kFile)));
    } catch (const std::exception&) {
    }
    if (!f)
        return s;
    int* fields[] = {&s.model, &s.port, &s.baud, &s.dataBits, &s.parity, &s.stopBits, &s.handshake};
    for (int line = 0; line < 7; ++line) {
        const std::optional<int> n = readInt(f->line(line));
        if (!n)
            break;   // the reading stops at the first line that is no whole number
        *fields[line] = *n;
    }
    return s;
}

void ScaleSettings::save() const
{
    LineFile::save(station::pathForWriting(QString::fromLatin1(kFile)),
                   {QString::number(model), QString::number(port), QString::number(baud), QString::number(dataBits),
                    QString::number(parity), QString::number(stopBits), QString::number(handshake)});
}

// ---- protocols ---------------------------------------------------------------------

Decimal ScaleAnswer::reported() const
{
    switch (kind) {
    case Kind::Weight: return weight;
    case Kind::Unstable: return Decimal(-1);
    case Kind::Negative: return Decimal(-2);
    case Kind::Overload: return Decimal(-10);
    default: return Decimal(0);
    }
}

ScaleAnswer ToledoProtocol::parse(const QByteArray& received) const
{
    ScaleAnswer a;
    const qsizetype etx = received.indexOf('\x03');
    if (etx < 0)
        return a;   // the answer is not whole yet
    a.consumed = etx + 1;
    const qsizetype stx = received.lastIndexOf('\x02', etx);
    if (stx < 0) {
        a.kind = ScaleAnswer::Kind::Invalid;
        return a;
    }
    const QByteArray body = received.mid(stx + 1, etx - stx - 1).trimmed();
    if (body.isEmpty()) {
        a.kind = ScaleAnswer::Kind::Invalid;
        return a;
    }
    switch (body[0]) {
    case 'I': a.kind = ScaleAnswer::Kind::Unstable; return a;
    case 'N': a.kind = ScaleAnswer::Kind::Negative; return a;
    case 'S': a.kind = ScaleAnswer::Kind::Overload; return a;
    default: break;
    }
    if (body.size() > 9) {
        a.kind = ScaleAnswer::Kind::Invalid;
        return a;
    }
    const QString text = QString::fromLatin1(body);
    bool digitsOnly = true;
    int separators = 0;
    for (QChar c : text) {
        if (c == u'.' || c == u',')
            ++separators;
        else if (!c.isDigit())
            digitsOnly = false;
    }
    if (!digitsOnly || separators > 1) {
        a.kind = ScaleAnswer::Kind::Invalid;
        return a;
    }
    std::optional<Decimal> w;
    if (separators)
        w = readAmount(text, AmountRules::quantity().pointAsComma());
    else
        w = Decimal::fromThousandths(text.toLongLong());   // grams
    if (!w) {
        a.kind = ScaleAnswer::Kind::Invalid;
        return a;
    }
    a.kind = ScaleAnswer::Kind::Weight;
    a.weight = *w;
    return a;
}

std::unique_ptr<ScaleProtocol> scaleProtocolFor(const QString& model)
{
    if (model == QLatin1String("Toledo"))
        return std::make_unique<ToledoProtocol>();
    if (model == QLatin1String("Filizola"))
        return std::make_unique<FilizolaProtocol>();
    return nullptr;
}

bool isScaleModelSupported(const QString& model)
{
    return model == QLatin1String("Nenhuma") || scaleProtocolFor(model) != nullptr;
}

namespace scalemsg {
QString notSupported(const QString& model)
{
    return QStringLiteral("|    Balança ") + model + QStringLiteral(" não suportada por este programa    |");
}
QString portNotOpened(const QString& port, const QString& reason)
{
    return QStringLiteral("Balança: não foi possível abrir a porta ") + port + QStringLiteral(" (") + reason + u')';
}
} // namespace scalemsg

QString weightText(const Decimal& weight)
{
    return weight > Decimal(0) ? FormatFloat(u"######0.000", weight) : QStringLiteral("0");
}

// ---- the reader --------------------------------------------------------------------------

ScaleReader::ScaleReader(QObject* parent) : QObject(parent)
{
    m_timeout = new QTimer(this);
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        m_buffer.clear();
        emit readFailed();
    });
}

ScaleReader::~ScaleReader() { deactivate(); }

bool ScaleReader::isActive() const { return m_port && m_port->isOpen(); }

bool ScaleReader::activate(const QString& model, const QString& port, int baud, int dataBits, QString* error,
                           const QString& parity, const QString& stopBits, const QString& handshake)
{
    deactivate();
    m_protocol = scaleProtocolFor(model);
    if (!m_protocol) {
        if (error)
            *error = scalemsg::notSupported(model);
        return false;
    }
    const QString device = ports::devicePathFor(TrimText(port));
    m_port = new QSerialPort(this);
    m_port->setPortName(device);
    if (!m_port->open(QIODevice::ReadWrite)) {
        if (error)
            *error = scalemsg::portNotOpened(TrimText(port), m_port->errorString());
        delete m_port;
        m_port = nullptr;
        return false;
    }
    m_port->setBaudRate(baud > 0 ? baud : 2400);
    m_port->setDataBits(dataBits >= 5 && dataBits <= 8 ? QSerialPort::DataBits(dataBits) : QSerialPort::Data8);
    const QSerialPort::Parity parities[] = {QSerialPort::NoParity, QSerialPort::OddParity, QSerialPort::EvenParity,
                                            QSerialPort::MarkParity, QSerialPort::SpaceParity};
    const qsizetype p = ScaleSettings::parities().indexOf(parity);
    m_port->setParity(p >= 0 ? parities[p] : QSerialPort::NoParity);
    m_port->setStopBits(stopBits == QLatin1String("s2") ? QSerialPort::TwoStop
                        : stopBits == QLatin1String("s1,5") ? QSerialPort::OneAndHalfStop : QSerialPort::OneStop);
    m_port->setFlowControl(handshake == QLatin1String("XON/XOFF") ? QSerialPort::SoftwareControl
                           : handshake == QLatin1String("RTS/CTS") ? QSerialPort::HardwareControl : QSerialPort::NoFlowControl);
    connect(m_port, &QSerialPort::readyRead, this, &ScaleReader::received);
    return true;
}

void ScaleReader::deactivate()
{
    m_timeout->stop();
    m_buffer.clear();
    if (m_port) {
        m_port->close();
        delete m_port;
        m_port = nullptr;
    }
}

void ScaleReader::requestWeight(int timeoutMs)
{
    if (!isActive() || m_timeout->isActive())
        return;   // one question at a time
    m_port->write(m_protocol->request());
    m_timeout->start(timeoutMs);
}

void ScaleReader::received()
{
    m_buffer += m_port->readAll();
    if (m_buffer.size() > 4096)
        m_buffer = m_buffer.right(64);   // noise on the line: keep only the tail
    for (;;) {
        const ScaleAnswer a = m_protocol->parse(m_buffer);
        if (a.kind == ScaleAnswer::Kind::Incomplete)
            return;
        m_buffer.remove(0, a.consumed);
        if (a.kind == ScaleAnswer::Kind::Invalid)
            continue;
        m_timeout->stop();
        emit weightRead(a.reported());
    }
}
