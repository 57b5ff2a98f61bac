// One running program per user and display, seen from outside: the real program started twice,
// and requests a stranger might send to its socket.
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "TestPaths.h"
#include "core/app/OpenRequest.h"

namespace {
QByteArray ask(const QString& socketPath, const QByteArray& request) {
  QLocalSocket socket;
  socket.connectToServer(socketPath);
  if (!socket.waitForConnected(2000)) return "no answer";
  socket.write(request);
  QByteArray reply;
  while (!reply.contains('\n') && socket.waitForReadyRead(3000)) reply += socket.readAll();
  return reply;
}
}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondStartHandsItsFileToTheRunningProgram() {
    QTemporaryDir home;
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", home.path());
    env.insert("XDG_STATE_HOME", home.filePath("state"));
    env.insert("XDG_CONFIG_HOME", home.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    const QString socket = home.filePath("drakkenfold-offscreen.socket");
    const QString kai = home.filePath("kai.war"), blank = home.filePath("blank.war");
    QFile::copy((QString(DRAKKENFOLD_FIXTURES) + "/full_warrior.war"), kai);
    QFile::copy((QString(DRAKKENFOLD_FIXTURES) + "/new_warrior.war"), blank);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(DRAKKENFOLD_PROGRAM, {});
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 5000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(DRAKKENFOLD_PROGRAM, {blank});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardOutput().isEmpty());

    // A stranger's requests open nothing, and the program answers on.
    QCOMPARE(ask(socket, "HELLO\n"), QByteArray(dk::kRefusedReply));
    QCOMPARE(ask(socket, QByteArray::fromStdString(
                             dk::formatOpenRequest({home.filePath("missing.war").toStdString()}))),
             QByteArray(dk::kRefusedReply));
    QCOMPARE(ask(socket, QByteArray::fromStdString(dk::formatOpenRequest({"relative.war"}))),
             QByteArray(dk::kRefusedReply));
    // Once the splash has gone, what came while it was up is open: the second start's file.
    const QByteArray toTheFront = QByteArray::fromStdString(dk::formatOpenRequest({}));
    QTRY_COMPARE_WITH_TIMEOUT(ask(socket, toTheFront), QByteArray("OPENED 1\n"), 10000);
    ask(socket, QByteArray::fromStdString(dk::formatOpenRequest({kai.toStdString()})));
    QTRY_COMPARE(ask(socket, toTheFront), QByteArray("OPENED 2\n"));
    QCOMPARE(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "tst_single_instance.moc"
