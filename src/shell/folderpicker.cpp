#include "shell/folderpicker.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <algorithm>
#include <stdexcept>

#include "platform/vbruntime.h"

namespace {
// Volumes a back-up cannot go to: the kernel's own file systems.
bool systemVolume(const QString& root) {
  for (const char* prefix : {"/proc", "/sys", "/dev"})
    if (root == QLatin1String(prefix) || root.startsWith(QLatin1String(prefix) + QLatin1Char('/'))) return true;
  return false;
}
}  // namespace

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
  QStringList roots;
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
    if (v.isValid() && v.isReady() && !systemVolume(v.rootPath())) roots << v.rootPath();
  roots.removeDuplicates();
  std::sort(roots.begin(), roots.end());
  roots.removeAll(QStringLiteral("/"));
  roots.prepend(QStringLiteral("/"));
  addItems(roots);
  connect(this, &QComboBox::currentIndexChanged, this, [this] { emit Change(); });
}

QString DriveListBox::VolumeOf(const QString& path) {
  const QStorageInfo v(Trim(path));
  return v.isValid() ? v.rootPath() : QString();
}

int DriveListBox::indexFor(const QString& root) {
  int i = findText(root, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (i < 0) {
    addItem(root);  // a volume mounted since the list was filled
    i = count() - 1;
  }
  return i;
}

void DriveListBox::SetDrive(const QString& path) {
  const QString root = VolumeOf(path);
  if (root.isEmpty()) throw std::runtime_error("Device unavailable");
  setCurrentIndex(indexFor(root));
}

void DriveListBox::SetDriveQuietly(const QString& path) {
  const QString root = VolumeOf(path);
  if (root.isEmpty()) return;
  const QSignalBlocker block(this);
  setCurrentIndex(indexFor(root));
}

FolderListBox::FolderListBox(QWidget* parent) : QTreeView(parent) {
  model_.setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
  model_.setReadOnly(true);
  setModel(&model_);
  for (int c = 1; c < model_.columnCount(); ++c) hideColumn(c);
  header()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  // Opening a folder with a click or the keyboard makes it the list's path.
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    if (!index.isValid()) return;
    const QString picked = model_.filePath(index);
    if (picked != path_) SetPath(picked);
  });
}

void FolderListBox::SetPath(const QString& path) {
  const QFileInfo info(Trim(path));
  if (Trim(path).isEmpty() || !info.isDir()) throw std::runtime_error("Path not found");
  path_ = QDir::cleanPath(info.absoluteFilePath());
  const QString root = DriveListBox::VolumeOf(path_);
  setRootIndex(model_.setRootPath(root.isEmpty() ? QStringLiteral("/") : root));
  const QModelIndex here = model_.index(path_);
  if (here.isValid()) {
    for (QModelIndex p = here.parent(); p.isValid(); p = p.parent()) expand(p);
    const QSignalBlocker block(selectionModel());
    setCurrentIndex(here);
    scrollTo(here);
  }
  emit Change();
}
