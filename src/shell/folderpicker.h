#pragma once
// The back-up form's drive and folder lists. Linux has no drive letters: the "drives" are the
// mounted volumes, the root folder first, and the folder list shows the folders of the volume
// the chosen folder lies on.
#include <QComboBox>
#include <QFileSystemModel>
#include <QHash>
#include <QString>
#include <QTreeView>

// The mounted volumes (their root folders), the root folder first.
class DriveListBox : public QComboBox {
  Q_OBJECT
public:
  explicit DriveListBox(QWidget* parent = nullptr);

  // The chosen volume's root folder.
  QString Drive() const { return currentText(); }
  // Chooses the volume that holds `path` (a folder or a volume's root); Change follows when that
  // is another volume. Raises std::runtime_error when no volume holds it.
  void SetDrive(const QString& path);
  // Chooses the volume without raising Change (to set the list back).
  void SetDriveQuietly(const QString& path);

  // The root folder of the volume holding path; empty when there is none.
  static QString VolumeOf(const QString& path);

signals:
  void Change();

private:
  int indexFor(const QString& root);
};

// The folders of one volume as a tree, the current folder selected and its parents opened.
class FolderListBox : public QTreeView {
  Q_OBJECT
public:
  explicit FolderListBox(QWidget* parent = nullptr);

  QString Path() const { return path_; }
  // Shows `path` (blanks at its ends do not count); Change follows every time. Raises
  // std::runtime_error("Path not found") when it is no folder.
  void SetPath(const QString& path);

signals:
  void Change();

private:
  QFileSystemModel model_;
  QString path_;
};
