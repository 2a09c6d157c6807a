#pragma once
// "Configuracao do Cardapio": the products of one group, each with whether the
// digital menu shows it, its description under it in the menu (the memo's lines,
// at most 80 characters with their line ends) and its square picture.
#include "menu/DigitalMenu.h"

#include <QDialog>
#include <QHash>
#include <memory>

namespace Ui { class TFormCardapio; }

class TFormCardapio : public QDialog {
    Q_OBJECT
public:
    explicit TFormCardapio(TLogon& logon, QWidget* parent = nullptr);
    ~TFormCardapio() override;

    // The group chooser ("Selecione um Grupo"), by position in the list of groups by name.
    int groupCount() const;
    void chooseGroup(int index);
    int productCount() const;
    void setCurrentProduct(int row);
    QString currentProductName() const;
    QString description() const;              // the memo's text
    void setDescription(const QString& text);  // typed in the memo
    bool pictureShown() const;

public slots:
    void activate();        // "Ativa Produdo"
    void deactivate();      // "Desativar Produto"
    void changePicture();   // "&Alterar Imagem"
    void showCurrent();     // name, description and picture of the current product

private:
    void groupChosen();
    void save(bool shown);
    void reload(qint64 keepId = -1);

    std::unique_ptr<::Ui::TFormCardapio> ui;
    DigitalMenu m_menu;
    QHash<qint64, QString> m_groupNames;   // CODIGO -> NOME, for the list's "GRUPO"
};
