// The program's folders, its INI file and its registry key.
//
// The program folder is VARNELA_HOME when that is set; otherwise the
// executable's folder, unless the program is installed (or that folder is not
// writable): then $XDG_DATA_HOME/varnela (~/.local/share/varnela), created
// when first asked for. The Data folder is the program folder + "/Data" and holds the INI
// file "Varnela2.ini". The registry key HKEY_LOCAL_MACHINE\Software\Velmora\9
// is kept as a private-profile file in the user's configuration folder
// (VARNELA_REGISTRY, or setRegistryFile(), names another file), with the key
// path as its section and the value names as its keys.
#pragma once

#include <QString>

namespace app {

inline constexpr char kVersionText[] = "Varnela 2.25";
inline constexpr char kApplicationTitle[] = "VARNELA 2";
inline constexpr char kRegistryKey[] = "HKEY_LOCAL_MACHINE\\Software\\Velmora\\9";

QString programFolder();  // without a trailing separator
bool isInstalledProgram(const QString& executableFolder);
QString dataFolder();
QString iniFile();

// One value of the INI file per call; a missing file, section or key reads
// as "". Writing throws store::StoreError naming the file on failure.
QString CitesteStr_din_Ini(const QString& section, const QString& key);
void ScrieStr_in_Ini(const QString& section, const QString& key, const QString& value);

QString registryFile();
void setRegistryFile(const QString& path);  // for tests; empty restores the default
QString Citeste_Reg(const QString& name);
void Scrie_Reg(const QString& name, const QString& value);

}  // namespace app
