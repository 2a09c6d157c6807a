#pragma once
// The data of the digital menu: which product groups and products the menu's web
// pages show (TIPOS.ATIVO, PRODUTOS.ATIVO "S"), each product's description
// (PRODUTOS.DESCRICAO), the menu's two options (EMPRESA.CARDAPIO) and its pictures
// (JPEG files of fixed sizes in the web server's image folder). The pages themselves
// are the web server's; this program only prepares what they read.

#include "core/ActionRefused.h"
#include "db/UnitLogon.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <stdexcept>

// A menu change refused before anything was written, with the message for the
// message window ("ATENÇÃO").
class MenuRefused : public ActionRefused {
public:
    using ActionRefused::ActionRefused;
};

namespace menutext {
inline const QString attention = QStringLiteral("ATENÇÃO");
inline const QString pictureNotes = QStringLiteral(
    "Selecione uma imagem para o grupo\nEscolha uma imagem mais quadrada possivel\nPode ser imagem tipo JPG, BMP ou PNG");
inline const QString logoNotes = QStringLiteral(
    "Selecione uma imagem para o LogoMarca da Empresa\nPode ser imagem tipo JPG, BMP ou PNG  (tamanho  430 x 119 Pixels)");
inline const QString toggleHint = QStringLiteral("Clique duas vezes para ativar ou desativar");
// The description and the flag are saved together; the memo's lines each end in CR LF.
inline const QString descriptionTooLong = QStringLiteral(
    "  A descrição tem mais de 80 caracteres (cada quebra de linha conta 2).  \nNada foi gravado.");
inline const QString noProductChosen = QStringLiteral("  Selecione um produto na lista  ");
inline const QString codeCannotNameFile = QStringLiteral("  O código deste produto não pode dar nome a uma imagem  ");
} // namespace menutext

class DigitalMenu {
public:
    // The web server's folder of menu pictures, as the stations name it.
    static constexpr const char16_t* kImageFolder = u"C:\\Miltrex\\webserver\\www\\cardapio\\image\\";
    static constexpr QSize kPictureSize{180, 180};
    static constexpr QSize kLogoSize{430, 119};
    static constexpr int kDescriptionLength = 80;   // PRODUTOS.DESCRICAO
    // EMPRESA.CARDAPIO bits.
    static constexpr int kOrderFromMenu = 1;     // "Usar Cardapio para Fazer Pedido"
    static constexpr int kShowConsumption = 2;   // "Mostrar Consumo no Cardapio"

    explicit DigitalMenu(TLogon& logon) : m_logon(logon) {}

    // --- groups -------------------------------------------------------------------
    // Every group by name: ID, NOME, ATIVO, CODIGO...
    RowSet groups() const;
    // Shown in the menu ("S") or not (the empty text).
    void setGroupShown(qint64 id, bool shown);
    static bool isShown(const QVariant& ativo);

    // --- products -----------------------------------------------------------------
    // The products of a group (PRODUTOS.CLASSE) by name.
    RowSet products(qint64 groupCode) const;
    // Saves a product's description (the memo's text) and whether the menu shows it,
    // in one statement. MenuRefused when the description does not fit its column
    // or holds characters the database cannot store; nothing is written then.
    void saveProduct(qint64 id, const QString& memoText, bool shown);
    // The memo's text as the column keeps it: each line followed by CR LF.
    static QString descriptionOf(const QString& memoText);
    // The description as the memo shows it: its lines, without the line ends.
    static QString memoTextOf(const QString& description);

    // --- options ------------------------------------------------------------------
    int options() const;   // EMPRESA.CARDAPIO, 0 when empty
    void saveOptions(int options);
    static int optionsOf(bool orderFromMenu, bool showConsumption);

    // --- pictures -----------------------------------------------------------------
    // The files as the stations name them: "grupo" + TIPOS.ID, "card" + PRODUTOS.CODIGO
    // as stored (empty when the code cannot name a file), "logo".
    static QString groupPictureFile(qint64 id);
    static QString productPictureFile(const QString& code);
    static QString logoFile();
    // A stored picture; a null picture when it is missing or unreadable.
    static QImage loadPicture(const QString& windowsName);
    // Replaces the file with the chosen picture stretched to `size`, as JPEG. The
    // old file stays when the chosen one cannot be read or the new one not written.
    // Empty on success, else the text for the error box.
    static QString storePicture(const QString& source, const QString& windowsName, const QSize& size);

private:
    TLogon& m_logon;
};
