#pragma once
// Reading the registry, and finding the system-information tool through it.
// Everything goes through apropos::actuel(), so that a test can give its own registry.

#include <QString>
#include <QtGlobal>

namespace apropos {

// Reads the value `SubKeyRef` of the key `KeyName` under the root key `KeyRoot`.
// A string value gives its text; a 32-bit number gives its decimal digits; a value of
// any other type gives an empty text. False, with an empty text, when the key cannot
// be opened with full access or the value cannot be read.
bool GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

// The registered path of the system-information tool: the value "PATH" of
// "SOFTWARE\Microsoft\Shared Tools\MSINFO", else the folder "MSINFO" of
// "SOFTWARE\Microsoft\Shared Tools Location" followed by "\MSINFO32.EXE" when that
// file exists. Empty when neither gives it.
QString cheminsysinfo();

} // namespace apropos
