#pragma once
// The system-wide options kept in the company row: the two option words SCC5 and
// SCC4 and the word shown for a table or tab (TITULO).
#include <QString>
#include <vector>

class TLogon;

namespace options {

// One tick box of the system-options window: the word it belongs to (5 = SCC5,
// 4 = SCC4), its bit and its caption.
struct Box {
    int word;
    int bit;
    const char* name;       // the box's object name
    QString caption;
};
const std::vector<Box>& boxes();

struct Words {
    int scc5 = 0;
    int scc4 = 0;
    QString title = QStringLiteral("MESA");
};

// The title as saved: upper case, "MESA" when blank.
QString titleToSave(const QString& typed);

// SCC5 and SCC4 built from the ticked boxes (only the bits of the boxes survive).
Words wordsFrom(const std::vector<bool>& ticked, const QString& title);

class Store {
public:
    explicit Store(TLogon& logon) : m_logon(logon) {}
    // No company row: both words 0 and the title "MESA".
    Words load();
    void save(const Words& words);

private:
    TLogon& m_logon;
};

} // namespace options
