#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include "ManualClock.h"
#include "WebClients.h"
#include "web/AudienceScreen.h"

namespace {

using test::get;
using test::waitUntil;
using web::AudienceScreen;
using web::AudienceState;

AudienceState sampleState(const QString& responder) {
    AudienceState s;
    s.board = "leader";
    s.rows = {{"Tigers", " 30", AudienceState::Mark::Responder},
              {"Lions \"&\" <Bears>", " 20", AudienceState::Mark::Ineligible},
              {QString::fromUtf8("Fähre Ω"), "-5", AudienceState::Mark::None}};
    s.responder = responder;
    s.responderTeam = "Tigers";
    s.timer = " 5";
    s.clock = "14:59";
    s.clockRunning = true;
    s.log = {{1, responder, "Tigers", 412}};
    return s;
}

struct Server : ::testing::Test {
    explicit Server(web::ServerLimits limits = {}) : screen(clock, limits) {
        screen.publish(sampleState("Ann"));
        const QString problem = screen.start(0);
        EXPECT_TRUE(problem.isEmpty()) << problem.toStdString();
        port = screen.port();
    }
    test::ManualClock clock;  // the server's idle and ping limits run on it
    AudienceScreen screen;
    quint16 port = 0;
};

// Every path a browser might try: our pages, the state, and everything else refused
// without a trace of the machine's folders.
TEST_F(Server, AnswersOnlyItsOwnPagesAndTheState) {
    struct Case {
        const char* request;
        int status;
        const char* type;
        const char* bodyHas;
    };
    const Case cases[] = {
        {"GET / HTTP/1.1", 200, "text/html", "audience.showBoard"},
        {"GET /overlay?scores=off HTTP/1.1", 200, "text/html", "audience.showOverlay"},
        {"GET /log HTTP/1.1", 200, "text/html", "audience.showLog"},
        {"GET /audience.js HTTP/1.1", 200, "text/javascript", "function follow"},
        {"GET /audience.css HTTP/1.1", 200, "text/css", ".lower-third"},
        {"GET /state HTTP/1.1", 200, "application/json", "\"responder\":\"Ann\""},
        {"GET /state?anything=1 HTTP/1.1", 200, "application/json", "\"board\":\"leader\""},
        {"GET /../../etc/passwd HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET /%2e%2e/%2e%2e/etc/passwd HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET /web/board.html HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET /:/web/board.html HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET //etc/passwd HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET /STATE HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET /overlay/ HTTP/1.1", 404, "text/plain", "Not found"},
        {"GET http://example.invalid/state HTTP/1.1", 200, "application/json", "\"clock\""},
        {"POST /state HTTP/1.1\r\nContent-Length: 2\r\n\r\n{}", 405, "text/plain", "Only"},
        {"PUT / HTTP/1.1\r\nContent-Length: 0", 405, "text/plain", "Only reading"},
        {"DELETE /state HTTP/1.1", 405, "text/plain", "Only reading"},
    };
    const QByteArray folder = QCoreApplication::applicationDirPath().toUtf8();
    for (const Case& c : cases) {
        QByteArray request = c.request;
        if (!request.contains("\r\n\r\n")) {
            request += "\r\nHost: localhost\r\n\r\n";
        }
        const test::HttpAnswer answer = test::exchange(port, request);
        SCOPED_TRACE(c.request);
        EXPECT_EQ(answer.status, c.status);
        EXPECT_TRUE(answer.head.toLower().contains(QByteArray("content-type: ") + c.type))
            << answer.head.toStdString();
        EXPECT_TRUE(answer.body.contains(c.bodyHas)) << answer.body.left(200).toStdString();
        EXPECT_FALSE(answer.body.contains(folder));
        EXPECT_FALSE(answer.head.contains(folder));
    }
}

// Each page is one whole document in the frame all pages share: the style and the script
// once each, its own title and kind, and the script drawing it with its own view.
TEST_F(Server, EveryPageComesInTheSharedFrame) {
    struct Page {
        const char* path;
        const char* title;
        const char* kind;
        const char* view;
    };
    for (const Page& page : {Page{"/", "the board", "board", "showBoard"},
                             Page{"/overlay", "overlay", "overlay", "showOverlay"},
                             Page{"/log", "buzz log", "log", "showLog"}}) {
        SCOPED_TRACE(page.path);
        const QByteArray body = get(port, page.path).body;
        EXPECT_TRUE(body.startsWith("<!DOCTYPE html>"));
        EXPECT_EQ(body.count("<link rel=\"stylesheet\" href=\"/audience.css\">"), 1);
        EXPECT_EQ(body.count("<script src=\"/audience.js\"></script>"), 1);
        EXPECT_TRUE(body.contains(QByteArray("<title>Quorvantix Console: ") + page.title));
        EXPECT_TRUE(body.contains(QByteArray("<body class=\"") + page.kind + "\">"));
        EXPECT_TRUE(body.contains(QByteArray("audience.follow(audience.") + page.view + ");"));
        EXPECT_FALSE(body.contains("{{")) << "every blank of the frame filled";
        EXPECT_TRUE(body.trimmed().endsWith("</html>"));
    }
}

// Random states survive the trip through JSON field by field, whatever the names hold.
TEST(StateJson, CarriesEveryFieldOfAnyState) {
    QRandomGenerator random(20);
    const auto text = [&] {
        QString s;
        const int length = random.bounded(12);
        for (int i = 0; i < length; ++i) {
            const char16_t pool[] = u"aZ09 \"\\/<>&'\n\t\u00e9\u4e2d\u0001";
            s += QChar(pool[random.bounded(int(std::size(pool)) - 1)]);
        }
        return s;
    };
    for (int round = 0; round < 300; ++round) {
        AudienceState s;
        s.board = text();
        s.responder = text();
        s.secondResponder = text();
        s.clockRunning = random.bounded(2) == 1;
        const int rows = random.bounded(11);
        for (int r = 0; r < rows; ++r) {
            s.rows.append({text(), QString::number(random.bounded(-999, 1000)),
                           AudienceState::Mark(random.bounded(5))});
        }
        s.log.append({round, text(), text(), random.bounded(2) ? -1 : random.bounded(100000)});
        QJsonParseError error{};
        const QJsonObject o = QJsonDocument::fromJson(web::toJson(s), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError);
        EXPECT_EQ(o["board"].toString(), s.board);
        EXPECT_EQ(o["responder"].toString(), s.responder);
        EXPECT_EQ(o["second"].toString(), s.secondResponder);
        EXPECT_EQ(o["clockRunning"].toBool(), s.clockRunning);
        ASSERT_EQ(o["rows"].toArray().size(), s.rows.size());
        for (int r = 0; r < rows; ++r) {
            const QJsonObject row = o["rows"].toArray()[r].toObject();
            EXPECT_EQ(row["name"].toString(), s.rows[r].name);
            EXPECT_EQ(row["score"].toString(), s.rows[r].score);
            EXPECT_EQ(row["mark"].toString().isEmpty(),
                      s.rows[r].mark == AudienceState::Mark::None);
        }
        const QJsonObject log = o["log"].toArray()[0].toObject();
        EXPECT_EQ(log.contains("splitMs"), s.log[0].splitMs >= 0);
        EXPECT_EQ(log["name"].toString(), s.log[0].name);
    }
}

// 200 live pages each receive the state on joining and then every change, in order.
TEST_F(Server, EveryLivePageReceivesEachChange) {
    auto pages = test::openPages(port, 200);
    ASSERT_TRUE(waitUntil([&] { return screen.liveClients() == 200; })) << screen.liveClients();
    ASSERT_TRUE(waitUntil([&] {
        return std::all_of(pages.begin(), pages.end(),
                           [](const auto& p) { return p->messages.size() == 1; });
    }));
    const QStringList names{"Bea", "Cid", "Dot"};
    for (int i = 0; i < names.size(); ++i) {
        screen.publish(sampleState(names[i]));
        screen.publish(sampleState(names[i]));  // unchanged: nothing more is sent
        ASSERT_TRUE(waitUntil([&] {
            return std::all_of(pages.begin(), pages.end(), [&](const auto& p) {
                return p->messages.size() >= std::size_t(i + 2);
            });
        }));
    }
    for (const auto& page : pages) {
        ASSERT_EQ(page->messages.size(), 4u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(page->messages[i + 1], QString::fromUtf8(web::toJson(sampleState(names[i]))));
        }
    }
}

// Pages that connect and vanish by the hundred leave no connection behind, and the
// server keeps serving those that stay.
TEST_F(Server, PagesVanishingByTheHundredLeaveNothingBehind) {
    test::LivePage stays(port);
    for (int round = 0; round < 3; ++round) {
        auto pages = test::openPages(port, 100);
        ASSERT_TRUE(waitUntil([&] { return screen.liveClients() == 101; }));
        for (auto& page : pages) {
            page->socket.abort();
        }
        pages.clear();
        ASSERT_TRUE(waitUntil([&] {
            return screen.liveClients() == 1 && screen.openConnections() == 1;
        })) << screen.liveClients()
            << " " << screen.openConnections();
    }
    screen.publish(sampleState("Eve"));
    ASSERT_TRUE(waitUntil([&] { return stays.messages.size() == 2; }));
    EXPECT_TRUE(stays.messages.back().contains("\"Eve\""));
}

struct TightServer : Server {
    static web::ServerLimits limits() {
        web::ServerLimits l;
        l.maxClients = 5;
        l.idleMs = 400;
        l.pingMs = 400;
        l.tickMs = 100;
        l.maxRequestBytes = 4096;
        l.maxUnsentBytes = 64 * 1024;
        return l;
    }
    TightServer() : Server(limits()) {}

    // Opens a raw connection with `bytes` sent; true when the server closes it. Each wait
    // moves the clock by `stepMs`, so the time it took shows in `clock`.
    bool closes(const QByteArray& bytes, int stepMs = 0) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (!socket.waitForConnected(5000)) {
            return false;
        }
        socket.write(bytes);
        return waitUntil([&] {
            clock.advanceMs(stepMs);
            socket.readAll();
            return socket.state() == QAbstractSocket::UnconnectedState;
        });
    }
};

TEST_F(TightServer, MalformedAndOverLongRequestsAreClosedAtOnce) {
    EXPECT_TRUE(closes(QByteArray("\x00\x01\x02 nonsense\r\n\r\n", 17)));
    EXPECT_TRUE(closes("GET /" + QByteArray(20000, 'a') + " HTTP/1.1\r\n\r\n"));
    EXPECT_TRUE(closes("GET / HTTP/1.1\r\nX-Long: " + QByteArray(8000, 'b') + "\r\n\r\n"));
    EXPECT_TRUE(
        closes("POST / HTTP/1.1\r\nContent-Length: 100000\r\n\r\n" + QByteArray(100000, 'c')));
    EXPECT_EQ(clock.now().count(), 0) << "not for being idle";
    EXPECT_TRUE(waitUntil([&] { return screen.openConnections() == 0; }));
    EXPECT_EQ(get(port, "/state").status, 200) << "still serving";
}

// Half a request, nothing at all, or an answered one left open: closed once the idle
// limit has passed on the console's clock, not before.
TEST_F(TightServer, IdleConnectionsAreClosedWhenTheirTimeIsUp) {
    const int step = limits().tickMs;
    for (const QByteArray& bytes :
         {QByteArray("GET / HTT"), QByteArray(), QByteArray("GET /state HTTP/1.1\r\n\r\n")}) {
        const ui::Milliseconds before = clock.now();
        EXPECT_TRUE(closes(bytes, step)) << bytes.toStdString();
        EXPECT_GT((clock.now() - before).count(), limits().idleMs) << bytes.toStdString();
    }
    EXPECT_TRUE(waitUntil([&] { return screen.openConnections() == 0; }));
}

TEST_F(TightServer, AdmitsNoMoreThanItsLimitOfConnections) {
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < 5; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress::LocalHost, port);
        held.back()->write("GET /st");  // a request that keeps coming
    }
    ASSERT_TRUE(waitUntil([&] { return screen.openConnections() == 5; }));
    EXPECT_TRUE(closes("GET /state HTTP/1.1\r\n\r\n")) << "the sixth is turned away";
    EXPECT_EQ(screen.openConnections(), 5);
    held.front()->abort();
    held.erase(held.begin());
    ASSERT_TRUE(waitUntil([&] { return screen.openConnections() == 4; }));
    held.clear();
    ASSERT_TRUE(waitUntil([&] { return screen.openConnections() == 0; }));
    EXPECT_EQ(get(port, "/state").status, 200) << "room again";
}

// A page that never reads is dropped once its unsent share passes the limit; the other
// pages go on receiving.
TEST_F(TightServer, APageThatNeverReadsIsDropped) {
    test::LivePage reader(port);
    QTcpSocket stalled;
    stalled.setReadBufferSize(1024);  // it stops taking what the server sends
    test::requestLivePage(stalled, port);
    ASSERT_TRUE(waitUntil([&] { return screen.liveClients() == 2; }));
    // Each state is sent once the reading page has the one before, so only the stalled
    // page's share piles up. Each is larger than the limit on its own: one state on its
    // way is not slowness.
    int published = 0;
    while (screen.liveClients() == 2 && published < 2000) {
        screen.publish(sampleState(QString(60000, QLatin1Char('a' + published++ % 26))));
        const QString sent = QString::fromUtf8(web::toJson(screen.state()));
        ASSERT_GT(sent.size(), limits().maxUnsentBytes);
        ASSERT_TRUE(waitUntil([&] {
            return screen.liveClients() < 2 ||
                   (!reader.messages.empty() && reader.messages.back() == sent);
        }));
    }
    ASSERT_TRUE(waitUntil([&] { return screen.liveClients() == 1; })) << published;
    EXPECT_GT(published, 1) << "dropped for what it left unread, not at once";
    EXPECT_TRUE(reader.connected);
    const QString last = QString::fromUtf8(web::toJson(screen.state()));
    EXPECT_TRUE(
        waitUntil([&] { return !reader.messages.empty() && reader.messages.back() == last; }));
}

// A page that answers the pings stays however long it idles; one that reads them but never
// answers is dropped after its third unanswered ping.
TEST_F(TightServer, APageThatStopsAnsweringPingsIsDropped) {
    test::LivePage answering(port);
    QTcpSocket silent;
    test::requestLivePage(silent, port);
    ASSERT_TRUE(waitUntil([&] { return screen.liveClients() == 2; }));
    qint64 answered = 0;
    QObject::connect(&answering.socket, &QWebSocket::bytesWritten,
                     [&](qint64 bytes) { answered += bytes; });
    QByteArray heard;
    const QByteArray ping("\x89\x00", 2);  // an empty ping frame, as a server sends it
    // One ping round: the clock moves on, and the round went out when the answering page
    // has answered it and, when `silentHears`, the silent page has heard it (so it was not
    // dropped in this round).
    const auto pingRound = [&](bool silentHears) {
        const qsizetype heardBefore = heard.size();
        const qint64 answeredBefore = answered;
        clock.advanceMs(limits().pingMs);
        return waitUntil([&] {
            heard += silent.readAll();
            const bool silentHeard =
                !silentHears || (heard.size() > heardBefore && heard.endsWith(ping));
            return silentHeard && answered > answeredBefore;
        });
    };
    for (int round = 1; round <= 3; ++round) {
        ASSERT_TRUE(pingRound(true)) << "unanswered ping " << round;
    }
    ASSERT_TRUE(pingRound(false));
    EXPECT_TRUE(waitUntil([&] {
        silent.readAll();
        return screen.liveClients() == 1 && silent.state() == QAbstractSocket::UnconnectedState;
    })) << "the fourth round drops it";
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(pingRound(false));
    }
    EXPECT_TRUE(answering.connected);
    EXPECT_EQ(screen.liveClients(), 1);
    screen.publish(sampleState("Gus"));
    EXPECT_TRUE(waitUntil([&] { return answering.messages.back().contains("\"Gus\""); }));
}

TEST_F(TightServer, OnlyTheLivePathTakesAWebSocket) {
    test::LivePage wrong(port, "/state");
    EXPECT_TRUE(waitUntil([&] { return !wrong.connected && screen.openConnections() == 0; }));
    EXPECT_EQ(screen.liveClients(), 0);
}

TEST(ServerStart, APortInUseIsReportedAndNothingServes) {
    test::ManualClock clock;
    AudienceScreen first(clock);
    ASSERT_TRUE(first.start(0).isEmpty());
    AudienceScreen second(clock);
    const QString problem = second.start(first.port());
    EXPECT_TRUE(problem.contains(QString::number(first.port()))) << problem.toStdString();
    EXPECT_FALSE(second.running());
    first.stop();
    EXPECT_FALSE(first.running());
    EXPECT_TRUE(get(second.port() == 0 ? first.port() : second.port(), "/").closed);
}

}  // namespace
