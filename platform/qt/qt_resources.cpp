#include "platform/qt/qt_resources.h"

#include <dlfcn.h>

#include <QDir>
#include <QFileInfo>
#include <map>

namespace platform::qt {

namespace {

// The directory this module was loaded from, where an installed copy keeps its pictures.
QString ModuleDirectory() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&Picture), &info) == 0 || !info.dli_fname) return QString();
  return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

}  // namespace

QString PictureFileName(int resourceId) {
  if (resourceId == 1012) return QStringLiteral("summary_side.png");
  return QStringLiteral("picture_%1.png").arg(resourceId);
}

QPixmap Picture(int resourceId) {
  // Never destroyed: pixmaps must not outlive the application object at exit.
  static auto& cache = *new std::map<int, QPixmap>;
  auto it = cache.find(resourceId);
  if (it != cache.end()) return it->second;
  const QString name = PictureFileName(resourceId);
  // Built into the module when the picture existed at build time; otherwise looked for beside
  // the module and in the source tree.
  QStringList places{QStringLiteral(":/rswizard/") + name};
  const QString moduleDirectory = ModuleDirectory();
  if (!moduleDirectory.isEmpty()) {
    places << moduleDirectory + "/" + name << moduleDirectory + "/resources/" + name;
  }
#ifdef RSWIZARD_RESOURCE_DIR
  places << QStringLiteral(RSWIZARD_RESOURCE_DIR "/") + name;
#endif
  QPixmap pixmap;
  for (const QString& place : places)
    if (QFileInfo::exists(place) && pixmap.load(place)) break;
  cache[resourceId] = pixmap;
  return pixmap;
}

}  // namespace platform::qt
