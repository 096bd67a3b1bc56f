#pragma once
// Modal message boxes with the style and answer values the forms were written against.
#include <QString>
#include <memory>

enum VbMsgBoxStyle : int {
  vbOKOnly = 0,
  vbOKCancel = 1,
  vbYesNo = 4,
  vbCritical = 16,
  vbQuestion = 32,
  vbExclamation = 48,
  vbInformation = 64,
};

enum VbMsgBoxResult : int {
  vbOK = 1,
  vbCancel = 2,
  vbYes = 6,
  vbNo = 7,
};

// The title a message "without a title of its own" shows.
inline constexpr const char* kProgramTitle = "Halvion";

class MessageBoxService {
public:
  virtual ~MessageBoxService() = default;
  // style is the sum of a button set and an icon; returns a VbMsgBoxResult.
  virtual int show(const QString& prompt, int style, const QString& title) = 0;
};

// Shows a message box through the installed service (QMessageBox unless a test installed its own).
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// Installs a service; returns the one it replaces. nullptr restores the QMessageBox one.
std::shared_ptr<MessageBoxService> SetMessageBoxService(std::shared_ptr<MessageBoxService> service);
