#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "app/GameStartup.h"
#include "core/records/ScheduleFile.h"
#include "core/state/GameState.h"
#include "devices/QtWaiter.h"
#include "game/SoundPlayer.h"
#include "shell/HelpViewer.h"
#include "support/SameLook.h"
#include "ui/PictureControl.h"
#include "windows/TableWindow.h"

// A game table built in a scratch working directory, with recorded sounds.
class TableWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override {
        keno_.reset();
        QDir::setCurrent(previous_);
    }

    // cpos.vlr with these records, in order.
    static void writeSchedules(const std::vector<PayoffSchedule>& schedules) {
        QFile file(QStringLiteral("cpos.vlr"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const PayoffSchedule& schedule : schedules) {
            const std::vector<std::uint8_t> bytes = EncodeSchedule(schedule);
            file.write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<qint64>(bytes.size()));
        }
    }
    static void writeSchedules(Money aggregateLimit) {
        PayoffSchedule schedule;
        schedule.ScheduleNumber = 3;
        schedule.AggregateLimit = aggregateLimit;
        writeSchedules(std::vector<PayoffSchedule>{schedule});
    }

    TableWindow& build(QSize screen = {640, 480}) {
        keno_ = OpenTable(state_, sound_, help_, waiter_, screen).table;
        return *keno_;
    }

    QImage client() const { return keno_->centralWidget()->grab().toImage(); }

    // The control shows the picture checked in for it with this text,
    // tests/windows/golden/CONTROL-TEXT.png (painted once and looked at).
    // With VELLORO_WRITE_GOLDEN set a missing picture is written instead, to
    // be looked at before it is checked in.
    void expectShows(const QString& name, const QString& text) const {
        const QImage& shown = keno_->control(name)->image();
        QString file = name + QLatin1Char('-') + text;
        for (QChar& c : file)
            if (!c.isLetterOrNumber() && c != QLatin1Char('-')) c = QLatin1Char('_');
        const QString path = QStringLiteral(VELLORO_TESTS_DIR "/windows/golden/%1.png").arg(file);
        const QImage golden(path);
        if (golden.isNull() && qEnvironmentVariableIsSet("VELLORO_WRITE_GOLDEN")) {
            EXPECT_TRUE(shown.save(path)) << path.toStdString();
            return;
        }
        ASSERT_FALSE(golden.isNull()) << "no picture " << path.toStdString();
        EXPECT_TRUE(sameLook(shown, golden))
            << name.toStdString() << " does not show " << text.toStdString();
    }

    // Acts on the modal window of this class once it is up (it runs its own loop).
    template <class Dialog>
    void whenShown(std::function<void(Dialog&)> act) {
        auto* poll = new QTimer(keno_.get());
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                act(*dialog);
            }
        });
        poll->start(5);
    }

    QTemporaryDir dir_;
    QString previous_;
    GameState state_;
    RecordingSoundPlayer sound_;
    QtWaiter waiter_;
    HelpViewer help_{HelpFile{}};
    std::unique_ptr<TableWindow> keno_;
};
