#include "ui/SingleInstance.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QLocalSocket>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/app/OpenRequest.h"
#include "core/files/ReadFile.h"

namespace dk::ui {

namespace {

// A folder of this user's alone: a real folder (no link), owned by the user, closed to others.
bool isPrivateFolder(const QByteArray& path) {
  struct stat st {};
  return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
         (st.st_mode & 077) == 0;
}

QString socketFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && isPrivateFolder(runtime)) return QString::fromLocal8Bit(runtime);
  const QByteArray own = "/tmp/drakkenfold-" + QByteArray::number(::getuid());
  ::mkdir(own.constData(), 0700);
  return isPrivateFolder(own) ? QString::fromLocal8Bit(own) : QString();
}

// The display this program shows on: X, Wayland, or the platform (offscreen) when neither; the
// platform from the environment while there is no application object yet.
QString displayName() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) display = QGuiApplication::platformName();
  if (display.isEmpty()) display = qEnvironmentVariable("QT_QPA_PLATFORM").section(':', 0, 0);
  for (QChar& c : display)
    if (!c.isLetterOrNumber() && c != '.' && c != '-') c = '_';
  return display;
}

bool peerIsThisUser(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &size) == 0 &&
         peer.uid == ::getuid();
}

}  // namespace

QString instanceSocketPath() {
  const QString folder = socketFolder();
  return folder.isEmpty() ? QString() : folder + "/drakkenfold-" + displayName() + ".socket";
}

bool handToRunningProgram(const QString& socketPath, const QStringList& files, int timeoutMs) {
  // Plain sockets: a start that only hands its files over makes no application object and no
  // connection to the window system.
  const QByteArray path = socketPath.toLocal8Bit();
  sockaddr_un address{};
  if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
    return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const auto give = [fd](bool result) {
    ::close(fd);
    return result;
  };
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    return give(false);
  // Each step waits at most timeoutMs for the other side.
  const auto ready = [fd, timeoutMs](short event) {
    pollfd p{fd, event, 0};
    int n;
    while ((n = ::poll(&p, 1, timeoutMs)) < 0 && errno == EINTR) {
    }
    return n > 0;
  };
  std::vector<std::string> paths;
  for (const QString& file : files) paths.push_back(file.toStdString());
  const std::string request = formatOpenRequest(paths);
  for (std::size_t sent = 0; sent < request.size();) {
    if (!ready(POLLOUT)) return give(false);
    const ssize_t n = ::send(fd, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return give(false);
    sent += static_cast<std::size_t>(n);
  }
  std::string reply;
  char buffer[64];
  while (reply.find('\n') == std::string::npos && ready(POLLIN)) {
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    reply.append(buffer, static_cast<std::size_t>(n));
  }
  return give(reply.rfind("OPENED ", 0) == 0 || reply == kRefusedReply);
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent) {
  connect(&server_, &QLocalServer::newConnection, this, &InstanceServer::serve);
}

bool InstanceServer::listen(const QString& socketPath) {
  if (socketPath.isEmpty()) return false;
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  if (server_.listen(socketPath)) return true;
  // A socket a crashed program left behind (a running one has answered by now).
  QLocalServer::removeServer(socketPath);
  return server_.listen(socketPath);
}

void InstanceServer::setOpener(Opener opener) {
  opener_ = std::move(opener);
  if (!waiting_.isEmpty()) opened_ = opener_(std::exchange(waiting_, {}));
}

void InstanceServer::take(const QStringList& files) {
  if (opener_) {
    opened_ = opener_(files);
  } else {
    waiting_ += files;
  }
}

void InstanceServer::serve() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsThisUser(*socket)) {
      socket->abort();
      continue;
    }
    // A request must arrive whole within a second; anything else is refused, unopened.
    auto buffer = std::make_shared<QByteArray>();
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    const auto answer = [socket, deadline](const std::string& reply) {
      deadline->stop();
      socket->write(QByteArray::fromStdString(reply));
      socket->disconnectFromServer();
    };
    connect(deadline, &QTimer::timeout, socket, [answer] { answer(kRefusedReply); });
    connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer, answer] {
      *buffer += socket->readAll();
      const std::string_view bytes(buffer->constData(), static_cast<std::size_t>(buffer->size()));
      const auto paths = parseOpenRequest(bytes);
      if (!paths) {
        if (!openRequestIncomplete(bytes)) answer(kRefusedReply);
        return;
      }
      QStringList files;
      for (const std::string& path : *paths) {
        if (!isReadableRegularFile(path)) return answer(kRefusedReply);
        files << QString::fromStdString(path);
      }
      // The answer first: opening may show a message box, which must not keep the second start
      // waiting until it gives up and starts on its own.
      answer(openedReply(static_cast<std::size_t>(opened_)));
      QTimer::singleShot(0, this, [this, files] { take(files); });
    });
    deadline->start(1000);
  }
}

}  // namespace dk::ui
