#pragma once
// The serial scale of the tab page: its settings (confBalanca.ini), one protocol
// class per scale model behind one interface, and the reader that asks the scale
// for a weight without ever waiting on it (the answer, or the lack of one, comes
// back as a signal while the screen goes on).

#include "core/Decimal.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QSerialPort;
class QTimer;

// ---- settings ---------------------------------------------------------------------

struct ScaleSettings {
    // list positions of the settings panel's selectors (-1 = none), as the file keeps them
    int model = 2;        // "Toledo"
    int port = 0;         // "COM1"
    int baud = 4;         // "2400"
    int dataBits = 3;     // "8"
    int parity = 0;       // "none"
    int stopBits = 0;     // "s1"
    int handshake = 0;    // "Nenhum"

    static const QStringList& models();
    static const QStringList& portNames();
    static const QStringList& baudRates();
    static const QStringList& dataBitChoices();
    static const QStringList& parities();
    static const QStringList& stopBitChoices();
    static const QStringList& handshakes();

    static constexpr const char* kFile = "c:\\Miltrex\\vavoz\\confBalanca.ini";
    // Reads the file over `defaults`: each line the position of one selector; a
    // missing file or a line that is no whole number stops the reading there.
    static ScaleSettings load(const ScaleSettings& defaults);
    static ScaleSettings load() { return load(ScaleSettings()); }
    // Rewrites the seven lines. Throws std::runtime_error when the file cannot be written.
    void save() const;
};

// ---- protocols ---------------------------------------------------------------------

struct ScaleAnswer {
    enum class Kind { Incomplete, Weight, Unstable, Negative, Overload, Invalid };
    Kind kind = Kind::Incomplete;
    Decimal weight;          // kilograms, for Kind::Weight
    qsizetype consumed = 0;  // bytes of the buffer the answer took
    // The weight as the screen takes it: unstable -1, negative -2, overload -10.
    Decimal reported() const;
};

class ScaleProtocol {
public:
    virtual ~ScaleProtocol() = default;
    virtual QString model() const = 0;
    virtual QByteArray request() const = 0;
    // The first whole answer in what the scale sent so far.
    virtual ScaleAnswer parse(const QByteArray& received) const = 0;
};

// ENQ asks; the scale answers STX, the weight in grams as digits (or with a
// decimal point), ETX; "IIIII" while the weight is unstable, "NNNNN" below zero,
// "SSSSS" above its capacity.
class ToledoProtocol : public ScaleProtocol {
public:
    QString model() const override { return QStringLiteral("Toledo"); }
    QByteArray request() const override { return QByteArray(1, '\x05'); }
    ScaleAnswer parse(const QByteArray& received) const override;
};

class FilizolaProtocol : public ToledoProtocol {
public:
    QString model() const override { return QStringLiteral("Filizola"); }
};

// The protocol of a model of the list; nullptr for "Nenhuma" and for the models
// whose framing this program does not speak.
std::unique_ptr<ScaleProtocol> scaleProtocolFor(const QString& model);
bool isScaleModelSupported(const QString& model);

namespace scalemsg {
QString notSupported(const QString& model);
QString portNotOpened(const QString& port, const QString& reason);
} // namespace scalemsg

// ---- the reader --------------------------------------------------------------------------

class ScaleReader : public QObject {
    Q_OBJECT
public:
    explicit ScaleReader(QObject* parent = nullptr);
    ~ScaleReader() override;

    // Opens the port ("COM1".."COM8" through the station's port map, or a device
    // path) with the model's protocol and the line's frame as the settings panel
    // names it (parity "none".."space", stop bits "s1", "s1,5", "s2", handshake
    // "Nenhum", "XON/XOFF", "RTS/CTS"). False with the reason in *error.
    bool activate(const QString& model, const QString& port, int baud, int dataBits, QString* error,
                  const QString& parity = QStringLiteral("none"), const QString& stopBits = QStringLiteral("s1"),
                  const QString& handshake = QStringLiteral("Nenhum"));
    void deactivate();
    bool isActive() const;

    // Asks for a weight; returns at once. weightRead follows when the scale
    // answers, readFailed when it does not answer within timeoutMs.
    void requestWeight(int timeoutMs);

signals:
    void weightRead(const Decimal& weight);   // answers of every kind, as ScaleAnswer::reported
    void readFailed();

private:
    void received();
    QSerialPort* m_port = nullptr;
    QTimer* m_timeout = nullptr;
    std::unique_ptr<ScaleProtocol> m_protocol;
    QByteArray m_buffer;
};

// The quantity field's text for a weight: "######0.000", "0" for none.
QString weightText(const Decimal& weight);
