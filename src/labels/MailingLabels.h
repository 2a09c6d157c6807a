#pragma once
// Address labels for customers, one label under the other: all customers, those
// born in a month, or one customer by code, by name. The label height (pixels) and
// the page's top margin (mm) are kept as typed in "c:\Miltrex\Velro\etiqueta3.INI".
#include "db/UnitLogon.h"

#include <QString>
#include <QStringList>

namespace mailtext {
inline const QString filterAll = QStringLiteral("00 - Todos os Clientes");
inline const QString filterBirthday = QStringLiteral("01 - Filtrar por aniversario");
inline const QString filterCode = QStringLiteral("02 - Filtrar por cliente (Cod)");
inline const QString birthdayCaption = QStringLiteral("Aniversariante do mes ");
inline const QString codeCaption = QStringLiteral("Codigo do Cliente ");
inline const QString defaultHeight = QStringLiteral("95");
inline const QString defaultMargin = QStringLiteral("7");
} // namespace mailtext

struct MailingSettings {
    QString height = mailtext::defaultHeight;   // line 0
    QString margin = mailtext::defaultMargin;   // line 1
};

class MailingLabels {
public:
    static constexpr const char16_t* kSettingsFile = u"c:\\Miltrex\\Velro\\etiqueta3.INI";
    enum class Filter { All, BirthMonth, Code };

    // The two values, each from its line when the file has it, else its default.
    static MailingSettings settings();
    // Both trimmed, as typed, replacing the file.
    static void saveSettings(const QString& height, const QString& margin);
    // What the labels use: a whole number within reach of a page, else the default
    // (95 pixels; 7 mm).
    static int labelHeight(const QString& typed);
    static int topMargin(const QString& typed);
    // The filter's value as typed: a whole number, else 0.
    static int filterValue(const QString& typed);

    // One row per label, customers by name: Nome (25), Historico (the address, 25),
    // Classe (the city, 15), Unidade (the state, 3), Duplicata (the postal code, 14).
    // A customer without a name gets none.
    static RowSet labels(TLogon& logon, Filter filter, int value);
};
