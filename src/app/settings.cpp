// Folder paths and the INI and registry accessors.
#include "app/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "app/private_profile.h"

namespace app {

namespace {

QString& registryOverride() {
  static QString path;
  return path;
}

}  // namespace

bool isInstalledProgram(const QString& executableFolder) {
  // An install puts the executable in <prefix>/bin and its menu entry in
  // <prefix>/share/applications: the executable's folder is then no place
  // for data, even for a user who could write there.
  return QFileInfo(executableFolder).fileName() == "bin" &&
         QFileInfo::exists(executableFolder + "/../share/applications/varnela.desktop");
}

QString programFolder() {
  const QString home = qEnvironmentVariable("VARNELA_HOME");
  if (!home.isEmpty()) return QDir::cleanPath(QDir(home).absolutePath());
  // The executable does not move during a run: decided once, at the first
  // call, rather than with file system checks at every call.
  static const QString folder = [] {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (!isInstalledProgram(executableFolder) && QFileInfo(executableFolder).isWritable())
      return QDir::cleanPath(executableFolder);
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/varnela";
    QDir().mkpath(userFolder);
    return QDir::cleanPath(userFolder);
  }();
  return folder;
}

QString dataFolder() { return programFolder() + "/Data"; }

QString iniFile() { return dataFolder() + "/Varnela2.ini"; }

QString CitesteStr_din_Ini(const QString& section, const QString& key) {
  return PrivateProfile(iniFile()).read(section, key);
}

void ScrieStr_in_Ini(const QString& section, const QString& key, const QString& value) {
  PrivateProfile(iniFile()).write(section, key, value);
}

QString registryFile() {
  if (!registryOverride().isEmpty()) return registryOverride();
  QString fromEnvironment = qEnvironmentVariable("VARNELA_REGISTRY");
  if (!fromEnvironment.isEmpty()) return fromEnvironment;
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/varnela/registry.ini";
}

void setRegistryFile(const QString& path) { registryOverride() = path; }

QString Citeste_Reg(const QString& name) { return PrivateProfile(registryFile()).read(kRegistryKey, name); }

void Scrie_Reg(const QString& name, const QString& value) {
  QDir().mkpath(QFileInfo(registryFile()).absolutePath());
  PrivateProfile(registryFile()).write(kRegistryKey, name, value);
}

}  // namespace app
