#pragma once
// The sales screen's ribbon as data: tabs, groups, buttons with their pictures
// (the one picture table of every ribbon), the window each opens and the rights
// rule in front of it; run() applies the rule, opens the window or runs the
// button's own action, and says what the screen must show again.

#include "shell/RibbonPictures.h"

#include <QString>
#include <functional>
#include <vector>

class RibbonBar;
class TLogon;

namespace salesribbon {

enum class Rule {
    Free,
    Prompt,              // the supervisor prompt; its user must have the bit
    OptionElsePrompt,    // ItemOptions bit `option`, else the prompt with `bit`
    LoginElsePrompt,     // LoginRights has the bit, else the prompt
    OperatorSupervisor,  // the logged-in user's MASTER is "S" or "C"
    AuthoriserSupervisor,// the prompt's user must be a supervisor ("S")
    OptionElseSupervisor,// ItemOptions bit `option`, else the prompt's user "S" or "C"
    TabNumber,           // a tab number must be in the table field
};

struct Button {
    const char* tab;
    const char* group;
    const char* caption;
    ribbon::Picture picture;
    const char* opens;        // window class, or "@action" (the tab-upkeep actions apply their own rule)
    Rule rule = Rule::Free;
    int bit = 0;
    int option = 0;
    const char* refusal = nullptr;   // message when refused; nullptr: refused silently
    const char* title = nullptr;     // placeholder title
    bool tabButton = false;          // disabled while the counter page shows
};

const std::vector<Button>& buttons();
QStringList tabs();

// The button that opens `opens` (a window class or an "@action"); buttons are
// told apart by what they open, never by their captions.
const Button& buttonOpening(const char* opens);
bool opens(const Button& b, const char* what);

// Puts every button on the ribbon; a click calls back with its button.
void build(RibbonBar& bar, const std::function<void(const Button&)>& clicked);
// Enables or disables the tab-related buttons of "Vendas".
void enableTabButtons(RibbonBar& bar, bool enabled);

struct Context {
    TLogon* logon = nullptr;
    QString tabNumber;
};

struct After {
    bool ran = false;          // the rule let it through (a tab-upkeep button: its window was shown)
    bool closeScreen = false;
    bool clearTab = false;
    bool reloadCash = false;
    bool refreshTabs = false;
    bool productCode = false;  // LookupCode holds a product for the code field
    bool toggleKeyboard = false;
    bool focusTab = false;     // the table field takes the focus, also after a refusal
    bool takeUpTab = false;    // the tab in the table field is read again (its waiter)
};

After run(const Button& button, const Context& c);
// The button of that caption (tests click the ribbon as a user reads it).
After run(const QString& caption, const Context& c);

// The tab keys "Excluir mesas c/erros" removes: those that differ from their normal form.
QString normalTabKeyForm(const QString& key);

} // namespace salesribbon
