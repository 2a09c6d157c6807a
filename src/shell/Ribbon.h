#pragma once
// The main window's ribbon as data: tabs, groups, buttons with their pictures,
// what each opens and the rights rule in front of it. The window draws it
// (RibbonBar); the rules are checked here.

#include "shell/RibbonPictures.h"

#include <QString>
#include <vector>

class TLogon;

namespace ribbon {

enum class Rule {
    Free,               // opens at once
    Login,              // LoginRights has the bit, else a prompt whose user has it
    Current,            // CurrentRights (last authorisation) has the bit; no prompt
    Prompt,             // always a prompt; its user must have the bit
    Supervisor,         // the operator is a supervisor
    PromptSupervisor,   // always a prompt; its user must be a supervisor
};

struct Button {
    const char* tab;
    const char* group;
    const char* caption;
    Picture picture;
    const char* opens;    // window class, or an action of the main window (starts with '@')
    Rule rule;
    int bit = 0;
    const char* title = nullptr;   // window title shown by a placeholder
};

const std::vector<Button>& buttons();
QStringList tabs();

inline const QString refusal = QStringLiteral("     Usuario não autorizado      ");

// Applies a rule (the prompt goes through the UI seam). True: go on.
bool allowed(TLogon& logon, Rule rule, int bit);

} // namespace ribbon
