#pragma once
// What the sticker text edits may hold: text that code page 932 stores unchanged, within a byte
// limit. The edits admit input through these so that the design always equals what is shown.
#include <QString>

#include <string>

// `text` as code page 932 will store it: each character replaced by the one it reads back as
// ("〜" becomes "～"), characters code page 932 does not have left out.
QString StorableText(const QString& text);

// Bytes `text` takes in an edit: its code page 932 bytes, a line break counting two (CR LF).
int EditBytes(const QString& text);

// The longest start of `text` that takes at most `room` bytes (as EditBytes counts them); never
// ends inside a character.
QString FittingStart(const QString& text, int room);

// An edit's text ("\n" between lines) in the stored form: code page 932, line feeds only.
std::string StoredForm(const QString& shown);
// A stored text as an edit shows it.
QString ShownForm(const std::string& stored);
