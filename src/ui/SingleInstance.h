#pragma once
// One running program per user and display: a second start hands its warrior files to the
// program already running and ends. The two talk over a local socket that only this user can
// reach (a folder of the user's own, the socket itself for the user alone, and the peer's user
// checked on every connection); the request is the small message of app/OpenRequest.

#include <QLocalServer>
#include <QObject>
#include <QStringList>
#include <functional>

namespace dk::ui {

// The socket of this user's program on this display; empty when no private folder for it can
// be had (the program then runs on its own).
QString instanceSocketPath();

// A second start: the files go to the running program, which comes to the front. True when it
// took them (or refused them as not openable); false when none answers within `timeoutMs` and
// this start goes on as a program of its own.
bool handToRunningProgram(const QString& socketPath, const QStringList& files,
                          int timeoutMs = 1000);

// The running program's end of the socket.
class InstanceServer : public QObject {
  Q_OBJECT
 public:
  // Opens the files of a sound request and brings the frame to the front; the number of
  // warrior windows then open.
  using Opener = std::function<int(const QStringList& files)>;

  explicit InstanceServer(QObject* parent = nullptr);

  // Listens on the socket, clearing one a crashed program left behind. False when it cannot.
  bool listen(const QString& socketPath);

  // Until an opener is set (the splash is still up), requests are taken and kept for it.
  void setOpener(Opener opener);

 private:
  void serve();
  void take(const QStringList& files);

  QLocalServer server_;
  Opener opener_;
  QStringList waiting_;
  int opened_ = 0;  // the warrior windows open after the last request, for the next answer
};

}  // namespace dk::ui
