#pragma once
// Answers the login window, and the supervisor prompt, as a user typing a name and
// a password would.
#include "ScriptedDialogs.h"

void answerLogin(ScriptedDialogs& d, const QString& name, const QString& password);
void answerSupervisorPrompt(ScriptedDialogs& d, const QString& name, const QString& password);
