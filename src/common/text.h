#pragma once

// Every text the user sees exists as a German and an English literal; the
// language flag picks one where the text is used.
inline const char* bilingual(bool german, const char* de, const char* en) {
    return german ? de : en;
}
