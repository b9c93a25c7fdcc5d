#include "uZelmor2FTP.h"

#include "logs/uLogFile.h"
#include "platform/FileUtils.h"
#include "platform/TextUtils.h"
#include "platform/Translation.h"
#include "ras/uRasDialer.h"

#include <QFile>
#include <QFileInfo>

namespace zelmor {

namespace {

QString StateText(TFtpClient::TFtpState state)
{
    switch (state) {
    case TFtpClient::ftpNotConnected: return Translate(QStringLiteral("Niet verbonden met de Server"));
    case TFtpClient::ftpReady:
    case TFtpClient::ftpInternalReady: return Translate(QStringLiteral("Klaar"));
    case TFtpClient::ftpDnsLookup: return Translate(QStringLiteral("DNS lookup"));
    case TFtpClient::ftpConnected: return Translate(QStringLiteral("Verbonden met de Server"));
    case TFtpClient::ftpAbort: return Translate(QStringLiteral("Sessie wordt afgebroken"));
    case TFtpClient::ftpInternalAbort: return Translate(QStringLiteral("Verbinding wordt afgebroken"));
    case TFtpClient::ftpWaitingBanner: return Translate(QStringLiteral("Wacht op verbinding"));
    case TFtpClient::ftpWaitingResponse: return QString();
    case TFtpClient::ftpPasvReady: return Translate(QStringLiteral("Klaar voor data overdracht"));
    }
    return QString();
}

// The name without any folder, whichever separator the server or the post file used.
QString BareName(const QString &path)
{
    const int cut = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}


} // namespace

TZelmor2FTP::TZelmor2FTP(QObject *owner) : QObject(owner)
{
    FFtpClient = new TFtpClient(owner);
    FFtpClient->Binary = true;
    FFtpClient->OnRequestDone = [this](TFtpClient::TFtpRequest r, int e) { RequestDone(r, e); };
    FFtpClient->OnSessionConnected = [this] { Status(Translate(QStringLiteral("Verbonden met Zelmor Server."))); };
    FFtpClient->OnSessionClosed = [this] { PostStep(26); };
    FFtpClient->OnStateChange = [this](TFtpClient::TFtpState s) {
        const QString text = StateText(s);
        if (!text.isEmpty())
            Fire(OnTransferStatus, this, text);
    };
    FFtpClient->OnProgress = [this](qint64 bytes) {
        Fire(OnTransferStatus, this, Translate(QStringLiteral("Bezig met bestandsoverdracht")));
        Fire(OnProgress, this, QString::number(bytes));
    };
    FFtpClient->OnCommand = [this](const QString &line) {
        FLog->Add(line.startsWith(QLatin1String("PASS ")) ? QStringLiteral("PASS ********") : line);
    };
    FFtpClient->OnDisplay = [this](const QString &text) {
        if (Verbose)
            Status(QStringLiteral("Dispay :") + text);
    };
    FFtpClient->OnDisplayFile = [this](const QString &text) {
        if (Verbose)
            Status(QStringLiteral("Dispay File :") + text);
    };
    FFtpClient->OnError = [this](const QString &text) {
        FLog->Add(QStringLiteral("Error : ") + text);
        if (Verbose)
            Status(QStringLiteral("Error : ") + text);
    };
    FFtpClient->OnBgException = [this](const QString &message) { Status(QStringLiteral("Exception : ") + message); };

    FHandle = new TMessageWindow([this](unsigned msg, std::intptr_t w, std::intptr_t) { HandleMessage(msg, w); }, this);
    FDialer = new TZelmorRasDialer(owner);
    FDialer->SetOnStatus([this](int, const QString &text) {
        if (!text.isEmpty())
            Status(text);
    });
    FDialer->SetOnConnected([this] { PostStep(2); });
    FDialer->SetOnDisconnected([this] { PostStep(27); });
    FRestarts = 0;
    FListFileName = BaseDir() + QStringLiteral("dirfile.txt");
    FDialer->SetLogFileName(LogDir() + QStringLiteral("zm2ras.log"));
    FLog = std::make_unique<TLogFile>(LogDir() + QStringLiteral("zm2ftp.log"));
    Verbose = false;
}

TZelmor2FTP::~TZelmor2FTP()
{
    Detach();
    if (FLog) {
        try {
            CloseLog();
        } catch (const std::exception &e) {
            qWarning("%s", e.what());
        }
    }
    if (Verbose)
        Status(Translate(QStringLiteral("Communicatie is afgesloten")));
}

void TZelmor2FTP::Detach()
{
    // Nothing of either may reach this session once it is gone.
    if (FFtpClient) {
        FFtpClient->Abort();
        FFtpClient->OnRequestDone = nullptr;
        FFtpClient->OnSessionConnected = nullptr;
        FFtpClient->OnSessionClosed = nullptr;
        FFtpClient->OnStateChange = nullptr;
        FFtpClient->OnProgress = nullptr;
        FFtpClient->OnCommand = nullptr;
        FFtpClient->OnDisplay = nullptr;
        FFtpClient->OnDisplayFile = nullptr;
        FFtpClient->OnError = nullptr;
        FFtpClient->OnBgException = nullptr;
        FFtpClient->deleteLater();
    }
    if (FDialer) {
        FDialer->SetOnStatus(nullptr);
        FDialer->SetOnConnected(nullptr);
        FDialer->SetOnDisconnected(nullptr);
        // Its log is written now, so that the next session's dialer finds it.
        FDialer->SetLogFileName(QString());
        FDialer->deleteLater();
    }
}

void TZelmor2FTP::CloseLog()
{
    if (!FLog)
        return;
    std::unique_ptr<TLogFile> log = std::move(FLog);
    log->CloseWith(QStringLiteral("===================="));
}

void TZelmor2FTP::Status(const QString &text) { Fire(OnStatusLine, this, text); }

void TZelmor2FTP::Start()
{
    ReadSettings(FSettings);
    FFtpClient->HostName = ServiceEndpoints().FtpHost;
    FFtpClient->Port = QStringLiteral("21");
    FMaxRestarts = 3;
    FNoRestart = false;
    PostStep(1);
}

void TZelmor2FTP::Stop()
{
    if (FEnded)
        return;
    Status(Translate(QStringLiteral("Communicatie afgebroken door gebruiker")));
    FRestarts = FMaxRestarts;
    // A request under way is abandoned and the control connection closed, quietly.
    if (FFtpClient)
        FFtpClient->Abort();
    PostStep(26);
}

void TZelmor2FTP::PostStep(int step) { FHandle->Post(UM_FTP_STEP, step); }

void TZelmor2FTP::HandleMessage(unsigned msg, std::intptr_t wParam)
{
    if (msg != UM_FTP_STEP || FEnded)
        return;
    const int step = int(wParam);
    if (step < 1 || step > 30)
        return;
    // The line goes down once per run; a second request for it (the server closing after a
    // failure already handled) is stale.
    if (step == 26 && FLineDown)
        return;
    FStep = step;
    if (Verbose)
        Status(QStringLiteral("SessionState : %1").arg(step));
    ExecuteStep(step);
}

void TZelmor2FTP::ExecuteStep(int step)
{
    const QString base = BaseDir();
    switch (step) {
    case 1: FLineDown = false; StepLineUp(); break;
    case 2: PostStep(3); break;
    case 3:
        FFtpClient->HostName = ServiceEndpoints().FtpHost;
        FFtpClient->UserName = FSettings.ZelmorId;
        FFtpClient->PassWord = FSettings.SessionId;
        FFtpClient->Port = FSettings.FtpPort;
        FFtpClient->Open();
        break;
    case 4: PostStep(5); break;
    case 5: FFtpClient->UserName = FSettings.ZelmorId; FFtpClient->User(); break;
    case 6: PostStep(7); break;
    case 7: FFtpClient->PassWord = FSettings.SessionId; FFtpClient->Pass(); break;
    case 8: PostStep(9); break;
    case 9: FFtpClient->TypeSet(); break;
    case 10: PostStep(11); break;
    case 11: StepSend(FindPath(FindPath(base, QStringLiteral("MSG")), QStringLiteral("OUT")), 13); break;
    case 12: DeleteSent(FFtpClient->LocalFileName); PostStep(11); break;
    case 13: StepCollectPostFiles(); break;
    case 14: StepSendPostFile(); break;
    case 15:
        if (FPostFiles.Count() > 0 && !FPostFiles.Items(0).isEmpty())
            FPostFiles.Items(0).removeFirst();
        PostStep(14);
        break;
    case 16: FFtpClient->Binary = true; StepSend(FindPath(base, QStringLiteral("ZELPOST")), 18); break;
    case 17: DeleteSent(FFtpClient->LocalFileName); PostStep(16); break;
    case 18: StepFetchList(); break;
    case 19: StepLoadList(); break;
    case 20: StepFetchNext(); break;
    case 21: PostStep(22); break;
    case 22: FFtpClient->Dele(); break;
    case 23:
        if (!FServerFiles.isEmpty())
            FServerFiles.removeFirst();
        PostStep(20);
        break;
    case 24: FFtpClient->Quit(); break;
    case 25: break; // the session-closed event takes the run on
    case 26: FLineDown = true; StepLineDown(); break;
    case 27: PostStep(28); break;
    case 28:
        if (Verbose)
            Status(QStringLiteral("Finish"));
        if (!FNoRestart && FRestarts < FMaxRestarts) {
            PostStep(30);
        } else {
            FEnded = true;
            Fire(OnSessionEnd, this);
        }
        break;
    case 29:
        Status(Translate(QStringLiteral("Communicatie afgebroken door gebruiker")));
        FRestarts = FMaxRestarts;
        PostStep(26);
        break;
    case 30:
        ++FRestarts;
        Status(QStringLiteral("Herstart"));
        FLog->Add(QStringLiteral("Herstart"));
        WaitHolding(3000);
        PostStep(1);
        break;
    default: break;
    }
}

void TZelmor2FTP::StepLineUp()
{
    if (FSettings.ConnectionType == 1) {
        // The first "Zelmor2", in any case, is the service's number; a prefix stays.
        QString phone = FSettings.Zelmor2PhoneNumber;
        const int at = phone.indexOf(QLatin1String("Zelmor2"), 0, Qt::CaseInsensitive);
        if (at >= 0)
            phone.replace(at, 7, ServiceEndpoints().Zelmor2Number);
        FDialer->Dial(QStringLiteral("ZELMOR2"), QStringLiteral("zeluser"), QStringLiteral("mirtap"), phone,
                      FSettings.Zelmor2Device);
    } else if (FSettings.InternetAccess != 0) {
        FDialer->Dial(FSettings.RasProvider, QString(), QString(), QString(), QString());
    } else {
        PostStep(3);
    }
}

void TZelmor2FTP::StepLineDown()
{
    if (FSettings.ConnectionType != 1 && FSettings.InternetAccess == 0)
        PostStep(28);
    else
        FDialer->HangUp();
}

QString TZelmor2FTP::FirstUnsent(const QString &dir)
{
    for (const QString &name : ScanFiles(dir, QStringLiteral("*.*"))) {
        const QString path = WithSeparator(dir) + name;
        if (!FUndeletable.contains(path))
            return path;
    }
    return QString();
}

void TZelmor2FTP::StepSend(const QString &dir, int none)
{
    const QString path = FirstUnsent(dir);
    if (path.isEmpty()) {
        PostStep(none);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    FFtpClient->LocalFileName = path;
    FFtpClient->HostFileName = name;
    Fire(OnFileName, this, name);
    const qint64 size = QFileInfo(path).size();
    Fire(OnFileSize, this, size == 0 ? QStringLiteral("N.B.") : QString::number(size));
    Status(Translate(QStringLiteral("Zend bestand ")) + name + QLatin1Char('.'));
    FFtpClient->Put();
}

bool TZelmor2FTP::DeleteSent(const QString &path)
{
    if (QFile::remove(path) || !QFileInfo::exists(path))
        return true;
    // Sending it again and again would never end: it stays, and is not sent again this run.
    FUndeletable.insert(path);
    const QString text = Translate(QStringLiteral("Bestand %1 is verzonden maar kan niet worden verwijderd; het wordt niet opnieuw verzonden."))
                             .arg(QFileInfo(path).fileName());
    Status(text);
    FLog->Add(text);
    return false;
}

void TZelmor2FTP::StepCollectPostFiles()
{
    Status(Translate(QStringLiteral("Bezig met verzamelen te zenden EDI berichten")));
    // A restarted run works from a fresh collection, so no name is sent twice.
    FPostFiles.Clear();
    FPostFiles.Collect(FindPath(BaseDir(), QStringLiteral("ZELPOST")), [this](const QString &path, const QString &message) {
        FUndeletable.insert(path);
        const QString text = Translate(QStringLiteral("Postbestand %1 kan niet worden gelezen: %2")).arg(QFileInfo(path).fileName(), message);
        Status(text);
        FLog->Add(text);
    });
    for (int i = FPostFiles.Count() - 1; i >= 0; --i)
        if (FUndeletable.contains(FPostFiles.Items(i).FileName))
            FPostFiles.Delete(i);
    PostStep(14);
}

void TZelmor2FTP::StepSendPostFile()
{
    if (FPostFiles.Count() == 0) {
        PostStep(16);
        return;
    }
    TPostFile &post = FPostFiles.Items(0);
    if (post.isEmpty()) {
        DeleteSent(post.FileName);
        FPostFiles.Delete(0);
        PostStep(14);
        return;
    }
    FFtpClient->LocalFileName = MapWindowsPath(post.first());
    FFtpClient->HostFileName = BareName(post.first());
    Fire(OnFileName, this, FFtpClient->HostFileName);
    Status(Translate(QStringLiteral("Zend bestand ")) + FFtpClient->HostFileName + QLatin1Char('.'));
    FFtpClient->Put();
}

void TZelmor2FTP::StepFetchList()
{
    FFtpClient->HostFileName.clear();
    FFtpClient->LocalFileName = FListFileName;
    Status(Translate(QStringLiteral("Ophalen bestandenlijst van de server.")));
    QFile::remove(FListFileName);
    FFtpClient->Ls();
}

void TZelmor2FTP::StepLoadList()
{
    FServerFiles.clear();
    QFile f(FListFileName);
    if (f.open(QIODevice::ReadOnly)) {
        for (const QByteArray &raw : f.readAll().split('\n')) {
            const QString name = TrimControls(QString::fromLatin1(raw));
            if (name.isEmpty())
                continue;
            const QString bare = BareName(name);
            // A fetched file lands inside the incoming folder under a plain name, or not at all.
            if (bare.isEmpty() || bare == QLatin1String(".") || bare == QLatin1String("..")) {
                const QString text = Translate(QStringLiteral("Ongeldige bestandsnaam in de bestandenlijst overgeslagen: %1")).arg(name);
                Status(text);
                FLog->Add(text);
                continue;
            }
            FServerFiles << name;
        }
    }
    PostStep(20);
}

void TZelmor2FTP::StepFetchNext()
{
    if (FServerFiles.isEmpty()) {
        FNoRestart = true;
        PostStep(24);
        return;
    }
    const QString name = TrimControls(FServerFiles.first());
    const QString incoming = FindPath(FindPath(BaseDir(), QStringLiteral("MSG")), QStringLiteral("IN"));
    FFtpClient->LocalFileName = UniqueFileName(incoming, BareName(name));
    FFtpClient->HostFileName = name;
    Fire(OnFileName, this, name);
    Fire(OnFileSize, this, QStringLiteral("N.B."));
    Status(Translate(QStringLiteral("Ophalen bestand ")) + name);
    FFtpClient->Binary = true;
    FFtpClient->Get();
}

void TZelmor2FTP::LoginFailure()
{
    Status(Translate(QStringLiteral("Wachtwoord verkeerd of contractdatum verstreken")));
    Status(Translate(QStringLiteral("Gebruiker   = ")) + FSettings.ZelmorId);
    Status(Translate(QStringLiteral("Wachtwoord  = ")) + FSettings.SessionId);
    Status(Translate(QStringLiteral("Einddatum   = ")) + FSettings.ContractEndDate);
    FLog->Add(Translate(QStringLiteral("Wachtwoord niet geldig of contract verlopen.")));
}

void TZelmor2FTP::RequestDone(TFtpClient::TFtpRequest request, int error)
{
    if (Verbose)
        Status(QStringLiteral("RequestDone (%1) Error (%2).").arg(int(request)).arg(error));
    // Some servers answer the name list of an empty folder with 450 or 550: nothing waits.
    if (FStep == 18 && (error == 450 || error == 550)) {
        PostStep(19);
        return;
    }
    if (error == 0) {
        static const int next[31] = {0, 0, 0, 4, 0, 6, 0, 8, 0, 10, 0, 12, 0, 0, 15, 0, 17, 0, 19, 0, 21, 0, 23, 0, 25};
        if (FStep >= 0 && FStep <= 30 && next[FStep] != 0)
            PostStep(next[FStep]);
        return;
    }
    const QString why = FFtpClient->LastErrorText();
    if (!(FStep == 24 && error == 500)) {
        Status(Translate(QStringLiteral("Fout van de server of de verbinding: %1")).arg(why));
        FLog->Add(QStringLiteral("Fout: ") + why);
    }
    if (FStep == 7 && error == 530) {
        LoginFailure();
        FNoRestart = true;
        PostStep(24);
    } else if (FStep == 24 && error == 500) {
        PostStep(26);
    } else if (FFtpClient->Connected()) {
        PostStep(24);
    } else {
        PostStep(25);
    }
}

} // namespace zelmor
