#include "CommandLineImage.h"

#include <QFile>
#include <filesystem>
#include <system_error>

QString PathExtension(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  if (dot < 0 || dot < slash) return {};
  return path.mid(dot);
}

QString CommandLineImage(const QStringList& arguments) {
  if (arguments.size() < 2) return {};
  const QString& path = arguments.at(1);
  if (PathExtension(path).toUpper() != QLatin1String(".D64")) return {};
  // status() follows links and only asks the file system; nothing is opened here.
  std::error_code error;
  const auto status = std::filesystem::status(QFile::encodeName(path).toStdString(), error);
  if (error || !std::filesystem::is_regular_file(status)) return {};
  return path;
}
