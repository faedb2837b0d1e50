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

QString programFolder() {
  QString home = qEnvironmentVariable("VARNELA_HOME");
  QString folder = home.isEmpty() ? QCoreApplication::applicationDirPath() : home;
  return QDir::cleanPath(QDir(folder).absolutePath());
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
