#pragma once
// ".: Composição de Custo :.": kits are created, named, priced, given their kitchen
// printer and deleted (KitRegister); "Incluir/Alterar Composição" opens the kit
// items editor; the menu opens the kit list, the kit report, the technical sheet
// and the help text.
#include "stock/KitRegister.h"

#include <QDialog>
#include <memory>

namespace Ui { class TFormKit; }
class PickList;
class QLineEdit;

class TFormKit : public QDialog {
    Q_OBJECT
public:
    explicit TFormKit(TLogon& logon, QWidget* parent = nullptr);
    ~TFormKit() override;

    // "code", "newCode", "name", "value", "printer".
    QLineEdit* field(const QString& role) const;
    PickList* kitList() const;
    // The menu's entries by their captions ("&B-Imprimir Composição").
    QAction* menuAction(const QString& caption) const;

public slots:
    void newKit();            // "Novo Kit"
    bool newCodeLeft();       // leaving the new kit's code; false when it stays open
    bool confirm();           // "Confirma"
    void deleteKit();         // "Excluir"
    void editComposition();   // "Incluir/Alterar Composição", or a double click
    void showList();          // "&A-Visualizar Arquivos"
    void printKits();         // "&A-Relatorios dos Kits"
    void printSheet();        // "&B-Imprimir Composição"
    void showHelp();          // "&A-Como utilizar os Kits"

private:
    void reload(const QString& current = QString());
    void showCurrent();
    const kits::Kit* current() const;
    std::unique_ptr<::Ui::TFormKit> ui;
    TLogon& m_logon;
    kits::KitRegister m_kits;
    std::vector<kits::Kit> m_list;
};
