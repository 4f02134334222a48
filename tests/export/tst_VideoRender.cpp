// Export to Video: small generated albums rendered and read back with
// FFmpeg's libraries. The length, the streams, the colour of each still, the
// transition frames against the slideshow's own maths, the sound where it
// plays and its silence where nothing does, and a Cancel or a failure that
// leaves no file.

#include "../commands/CommandFixture.h"
#include "SlideTransition.h"
#include "SlideshowSchedule.h"
#include "TransitionFrames.h"
#include "VideoExportCommands.h"
#include "VideoRenderer.h"

#include <cmath>

#include <QDir>
#include <QProcess>
#include <QTest>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QSize Small(160, 120);

// A rendered file as FFmpeg's libraries read it back.
struct Readback
{
    double seconds = 0;
    QStringList codecs;
    QList<QImage> frames;
    // Mono, 48 kHz.
    std::vector<float> sound;

    // The loudest sample between two times.
    float peak(double from, double to) const
    {
        float peak = 0;
        for (size_t i = size_t(from * 48000); i < std::min(sound.size(), size_t(to * 48000)); ++i)
            peak = std::max(peak, std::abs(sound[i]));
        return peak;
    }
};

Readback readBack(const QString &path)
{
    Readback r;
    AVFormatContext *format = nullptr;
    const QByteArray url = "file:" + QFile::encodeName(path);
    if (avformat_open_input(&format, url.constData(), nullptr, nullptr) < 0)
        return r;
    avformat_find_stream_info(format, nullptr);
    r.seconds = double(format->duration) / AV_TIME_BASE;
    std::vector<AVCodecContext *> decoders(format->nb_streams, nullptr);
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVCodec *codec = avcodec_find_decoder(format->streams[i]->codecpar->codec_id);
        r.codecs << QString::fromLatin1(avcodec_get_name(format->streams[i]->codecpar->codec_id));
        decoders[i] = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(decoders[i], format->streams[i]->codecpar);
        avcodec_open2(decoders[i], codec, nullptr);
    }
    SwsContext *scaler = nullptr;
    SwrContext *resampler = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const auto take = [&](AVCodecContext *codec) {
        while (avcodec_receive_frame(codec, frame) == 0) {
            if (codec->codec_type == AVMEDIA_TYPE_VIDEO) {
                QImage picture(frame->width, frame->height, QImage::Format_RGB32);
                scaler = sws_getCachedContext(scaler, frame->width, frame->height,
                    AVPixelFormat(frame->format), frame->width, frame->height, AV_PIX_FMT_BGRA,
                    SWS_POINT, nullptr, nullptr, nullptr);
                const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
                sws_setColorspaceDetails(scaler, bt709, 0, bt709, 1, 0, 1 << 16, 1 << 16);
                uint8_t *planes[] = {picture.bits()};
                const int strides[] = {int(picture.bytesPerLine())};
                sws_scale(scaler, frame->data, frame->linesize, 0, frame->height, planes, strides);
                r.frames << picture;
            } else {
                if (!resampler) {
                    AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
                    swr_alloc_set_opts2(&resampler, &mono, AV_SAMPLE_FMT_FLT, 48000,
                        &codec->ch_layout, codec->sample_fmt, codec->sample_rate, 0, nullptr);
                    swr_init(resampler);
                }
                std::vector<float> out(size_t(frame->nb_samples) + 256);
                auto *at = reinterpret_cast<uint8_t *>(out.data());
                const int made = swr_convert(resampler, &at, int(out.size()),
                    const_cast<const uint8_t **>(frame->extended_data), frame->nb_samples);
                r.sound.insert(r.sound.end(), out.begin(), out.begin() + std::max(made, 0));
            }
        }
    };
    while (av_read_frame(format, packet) >= 0) {
        AVCodecContext *codec = decoders[size_t(packet->stream_index)];
        avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
        take(codec);
    }
    for (AVCodecContext *codec : decoders) {
        avcodec_send_packet(codec, nullptr);
        take(codec);
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    sws_freeContext(scaler);
    swr_free(&resampler);
    for (AVCodecContext *&codec : decoders)
        avcodec_free_context(&codec);
    avformat_close_input(&format);
    return r;
}

// Within a few steps of compression of the expected colour.
bool near(QRgb got, QRgb want, int tolerance = 12)
{
    return std::abs(qRed(got) - qRed(want)) <= tolerance
        && std::abs(qGreen(got) - qGreen(want)) <= tolerance
        && std::abs(qBlue(got) - qBlue(want)) <= tolerance;
}

QString describe(QRgb colour)
{
    return u"(%1,%2,%3)"_s.arg(qRed(colour)).arg(qGreen(colour)).arg(qBlue(colour));
}

} // namespace

class TestVideoRender : public QObject
{
    Q_OBJECT

    // A photo of one colour, as large as the frame, so the fit rule leaves
    // no border and JPEG keeps the colour.
    QString photo(const QString &name, QColor colour)
    {
        QImage image(Small, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = m_media.path(name);
        image.save(path, "JPEG", 100);
        return path;
    }

    // An image album of the files, every still lasting `seconds`.
    void makeAlbum(
        CommandFixture &f, const QStringList &files, const QString &transition, int seconds = 2)
    {
        f.newAlbum(0);
        f.album.SelectTransitionByName(transition);
        for (const QString &file : files)
            f.album.AddMediaFile(file, false, AlbumDocument::RootTarget);
        for (int i = 0; i < f.album.objectCount(); ++i) {
            AlbumObject o = f.album.object(i);
            if (o.kind == ObjectKind::Still) {
                o.durationSeconds = QString::number(seconds);
                f.album.updateObject(i, o);
            }
        }
    }

    Readback render(const AlbumDocument &album, const QString &name, int fps = 25)
    {
        const auto schedule = SlideshowSchedule::of(album, &VideoRenderer::lengthOf);
        const std::atomic_bool cancel = false;
        const QString out = m_media.path(name);
        const auto outcome = VideoRenderer::render(schedule, {Small, fps, 18}, out, {}, cancel);
        if (outcome.result != VideoRenderer::Result::Done)
            qWarning() << outcome.error;
        return readBack(out);
    }

    MediaCopies m_media;

private Q_SLOTS:
    // Three stills of 2 s: 6 s of H.264 and AAC, each still's colour in the
    // middle of its time (a red that comes out blue is a byte-order slip),
    // and silence, as nothing sounds.
    void stillsKeepTheirTimeAndColour()
    {
        CommandFixture f;
        const QList<QColor> colours{QColor(220, 30, 30), QColor(30, 200, 40), QColor(40, 60, 230)};
        makeAlbum(f,
            {photo(u"red.jpg"_s, colours[0]), photo(u"green.jpg"_s, colours[1]),
                photo(u"blue.jpg"_s, colours[2])},
            u"ALPHABLEND"_s);
        const Readback r = render(f.album, u"stills.mp4"_s);
        QCOMPARE(r.codecs, QStringList({u"h264"_s, u"aac"_s}));
        QVERIFY2(std::abs(r.seconds - 6.0) <= 0.04, qPrintable(QString::number(r.seconds)));
        QCOMPARE(r.frames.size(), 150);
        for (int i = 0; i < 3; ++i) {
            // 1.5 s into each still: its transition (1 s) has ended.
            const QRgb got = r.frames[i * 50 + 37].pixel(80, 60);
            QVERIFY2(near(got, colours[i].rgb()),
                qPrintable(describe(got) + u" for "_s + describe(colours[i].rgb())));
        }
        QVERIFY(r.peak(0, 6) < 0.001f);
    }

    // The frames of each transition are the slideshow's: a tick every 40 ms
    // (one frame at 25 frames a second), 4 % further each, through the same
    // frame maths. A tick early or late changes the blend by far more than
    // the tolerance; a wipe that runs the wrong way shows the wrong side.
    void transitionsAreTheSlideshowsFrames()
    {
        const QColor red(220, 30, 30);
        const QColor blue(40, 60, 230);
        for (const QString &style : {u"ALPHABLEND"_s, u"HORIZONTALWIPE"_s, u"VERTICALWIPE"_s}) {
            CommandFixture f;
            makeAlbum(f, {photo(u"a.jpg"_s, red), photo(u"b.jpg"_s, blue)}, style);
            const Readback r = render(f.album, style + u".mp4"_s);
            QCOMPARE(r.frames.size(), 100);
            // The same transition on pictures of the decoded colours.
            QImage a(Small, QImage::Format_RGB32);
            a.fill(r.frames[45].pixel(80, 60));
            QImage b(Small, QImage::Format_RGB32);
            b.fill(r.frames[95].pixel(80, 60));
            SlideTransition expected;
            expected.setStep(4);
            expected.setPicture(a);
            expected.start();
            expected.stop();
            expected.setStyle(Transitions::displayStyle(style));
            expected.setPicture(b);
            expected.start();
            for (int tick = 1; tick <= 12; ++tick) {
                expected.tick();
                if (tick % 3 != 0)
                    continue;
                const QImage &frame = r.frames[50 + tick];
                // Points where the wipe's edge is not: compression blurs
                // colours across an edge by a few pixels.
                const int edge = style == u"HORIZONTALWIPE" ? Small.width() * tick * 4 / 100
                                                            : Small.height() * tick * 4 / 100;
                for (const QPoint at : {QPoint(8, 8), QPoint(150, 110), QPoint(80, 60)}) {
                    const int along = style == u"HORIZONTALWIPE" ? at.x() : at.y();
                    if (style != u"ALPHABLEND" && std::abs(along - edge) < 6)
                        continue;
                    const QRgb want = expected.frame().pixel(at);
                    QVERIFY2(near(frame.pixel(at), want, 14),
                        qPrintable(style
                            + u" tick %1 at %2,%3: "_s.arg(tick).arg(at.x()).arg(at.y())
                            + describe(frame.pixel(at)) + u" for "_s + describe(want)));
                }
            }
        }
    }

    // Background music under stills, cycling when it ends (3 s of music under
    // 6 s of stills), and still silence once the album has none.
    void musicPlaysUnderStillsAndCycles()
    {
        CommandFixture f;
        makeAlbum(f, {photo(u"a.jpg"_s, Qt::red), photo(u"b.jpg"_s, Qt::blue)}, u"ALPHABLEND"_s, 3);
        f.album.AddBackgroundMusic(f.media.copy("tagged.mp3"));
        const Readback r = render(f.album, u"music.mp4"_s);
        QVERIFY2(std::abs(r.seconds - 6.0) <= 0.04, qPrintable(QString::number(r.seconds)));
        QVERIFY(r.peak(0.5, 2.5) > 0.1f);
        QVERIFY2(r.peak(3.5, 5.5) > 0.1f, "the music did not start again");
    }

    // A video object shows its pictures (not black) for its own length with
    // its own sound; at 30 frames a second the length still holds.
    void videoPlaysWithItsSound()
    {
        CommandFixture f;
        makeAlbum(f, {photo(u"a.jpg"_s, Qt::red), f.media.copy("clip.avi")}, u"ALPHABLEND"_s, 1);
        const Readback r = render(f.album, u"video.mp4"_s, 30);
        QVERIFY2(std::abs(r.seconds - 3.0) <= 1.0 / 30, qPrintable(QString::number(r.seconds)));
        QCOMPARE(r.frames.size(), 90);
        QVERIFY(r.peak(0, 0.9) < 0.001f);
        QVERIFY(r.peak(1.2, 2.8) > 0.1f);
        const QImage &clip = r.frames[60];
        int lit = 0;
        for (int x = 0; x < clip.width(); x += 8)
            lit += qGray(clip.pixel(x, 60)) > 40;
        QVERIFY2(lit > 10, "the video's pictures are missing");
    }

    // Matroska carries VP9 and Opus; another program (ffprobe) reads the
    // MP4 the renderer writes.
    void otherContainerAndAnotherReader()
    {
        CommandFixture f;
        makeAlbum(f, {photo(u"a.jpg"_s, Qt::red)}, u"ALPHABLEND"_s, 1);
        const Readback mkv = render(f.album, u"one.mkv"_s);
        QCOMPARE(mkv.codecs, QStringList({u"vp9"_s, u"opus"_s}));
        render(f.album, u"one.mp4"_s);
        QProcess probe;
        probe.start(u"ffprobe"_s,
            {u"-v"_s, u"error"_s, u"-show_entries"_s, u"stream=codec_name"_s, u"-of"_s,
                u"csv=p=0"_s, m_media.path(u"one.mp4"_s)});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
            QStringList({u"h264"_s, u"aac"_s}));
    }

    // Cancel and failure leave no file, not even a hidden one, and a file
    // that was there stays as it was.
    void cancelAndFailureLeaveNothing()
    {
        CommandFixture f;
        makeAlbum(f, {photo(u"a.jpg"_s, Qt::red)}, u"ALPHABLEND"_s, 2);
        const auto schedule = SlideshowSchedule::of(f.album, &VideoRenderer::lengthOf);
        QTemporaryDir dir;
        const QString out = dir.filePath(u"kept.mp4"_s);
        writeFile(out, "an older video");
        std::atomic_bool cancel = false;
        const auto outcome = VideoRenderer::render(
            schedule, {Small, 25, 23}, out, [&cancel](qint64 done, qint64) { cancel = done == 10; },
            cancel);
        QCOMPARE(outcome.result, VideoRenderer::Result::Cancelled);
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({u"kept.mp4"_s}));
        QCOMPARE(readFile(out), QByteArray("an older video"));

        // A folder that cannot be made (a file stands in its way), as a full
        // or read-only disk fails: the reason names the file.
        const QString blocked = out + u"/new.mp4"_s;
        const auto refused
            = VideoRenderer::render(schedule, {Small, 25, 23}, blocked, {}, cancel = false);
        QCOMPARE(refused.result, VideoRenderer::Result::Failed);
        QVERIFY2(refused.error.contains(out), qPrintable(refused.error));
        const auto wrongName = VideoRenderer::render(
            schedule, {Small, 25, 23}, dir.filePath(u"film.avi"_s), {}, cancel);
        QCOMPARE(wrongName.result, VideoRenderer::Result::Failed);
        QVERIFY(wrongName.error.contains(u"film.avi"_s));
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({u"kept.mp4"_s}));
    }

    // A hidden file left by a render of the same output whose process has
    // gone (killed) is removed by the next render; one still being written
    // by a live process, or belonging to another output, stays.
    void abandonedHiddenFilesOfTheSameOutputAreRemoved()
    {
        CommandFixture f;
        makeAlbum(f, {photo(u"a.jpg"_s, Qt::red)}, u"ALPHABLEND"_s, 1);
        const auto schedule = SlideshowSchedule::of(f.album, &VideoRenderer::lengthOf);
        QTemporaryDir dir;
        const QString out = dir.filePath(u"film.mp4"_s);
        // A first render leaves its hidden name's pattern behind on cancel:
        // read it from the files the render makes.
        std::atomic_bool cancel = false;
        QString pattern;
        VideoRenderer::render(
            schedule, {Small, 25, 23}, out,
            [&](qint64, qint64) {
                const QStringList hidden = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
                if (!hidden.isEmpty())
                    pattern = hidden.first();
                cancel = true;
            },
            cancel);
        QVERIFY2(pattern.startsWith(u".quillan-render-"_s), qPrintable(pattern));
        const QString prefix = pattern.section(u'-', 0, 2) + u'-';
        QProcess gone;
        gone.start(u"true"_s, {});
        QVERIFY(gone.waitForStarted());
        const QString dead = QString::number(gone.processId());
        QVERIFY(gone.waitForFinished());
        const QString abandoned = prefix + dead + u"-abc.mp4"_s;
        const QString live
            = prefix + QString::number(QCoreApplication::applicationPid()) + u"-def.mp4"_s;
        const QString other = u".quillan-render-00000000-"_s + dead + u"-ghi.mp4"_s;
        for (const QString &name : {abandoned, live, other})
            writeFile(dir.filePath(name), "part");
        cancel = false;
        QCOMPARE(VideoRenderer::render(schedule, {Small, 25, 23}, out, {}, cancel).result,
            VideoRenderer::Result::Done);
        QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        left.sort();
        QStringList expected{other, live, u"film.mp4"_s};
        expected.sort();
        QCOMPARE(left, expected);
    }

    // The slideshow's timing: background music pauses under a still with
    // its own sound and goes on from where it stopped (not from its start);
    // a missing sound is skipped and told, not waited for.
    void scheduleFollowsTheSlideshow()
    {
        CommandFixture f;
        const QString music = f.media.copy("long61.wav");
        const QString gone = f.media.copy("stereo16.wav", u"gone.wav"_s);
        makeAlbum(f,
            {photo(u"a.jpg"_s, Qt::red), photo(u"b.jpg"_s, Qt::green), photo(u"c.jpg"_s, Qt::blue)},
            u"ALPHABLEND"_s, 2);
        // b gets a sound of 1 s and lasts as long as it.
        f.album.AddMediaFile(f.media.copy("mono16.wav"), true, 1);
        f.album.AddMediaFile(gone, false, AlbumDocument::RootTarget);
        f.album.AddBackgroundMusic(music);
        QFile::remove(gone);
        QCOMPARE(f.album.object(1).kind, ObjectKind::StillWithAudio);

        const auto s = SlideshowSchedule::of(f.album, &VideoRenderer::lengthOf);
        QStringList pictures;
        for (const auto &p : s.pictures)
            pictures << u"%1@%2"_s.arg(QFileInfo(p.file).fileName()).arg(p.atMs);
        QCOMPARE(pictures, QStringList({u"a.jpg@0"_s, u"b.jpg@2000"_s, u"c.jpg@3000"_s}));
        QStringList backStretches;
        for (const auto &stretch : s.sounds) {
            if (stretch.file == music) {
                backStretches
                    << u"%1-%2+%3"_s.arg(stretch.startMs).arg(stretch.endMs).arg(stretch.offsetMs);
            }
        }
        QCOMPARE(backStretches, QStringList({u"0-2000+0"_s, u"3000-5000+2000"_s}));
        QCOMPARE(s.skipped, QStringList({gone}));
        QCOMPARE(s.lengthMs, 5000);
    }

    // Music with photos steps through its photos for their whole seconds;
    // with Repeat they start over until the music (3.03 s) ends, without it
    // the last stays. Either way the object lasts as long as its music.
    void musicWithPhotosRepeatsOnlyWhenAsked()
    {
        for (const bool repeat : {false, true}) {
            CommandFixture f;
            makeAlbum(f, {}, u"ALPHABLEND"_s);
            f.album.AddMediaFile(f.media.copy("tagged.mp3"), false, AlbumDocument::RootTarget);
            f.album.AddMediaFile(photo(u"a.jpg"_s, Qt::red), true, 0);
            f.album.AddMediaFile(photo(u"b.jpg"_s, Qt::blue), true, 0);
            AlbumObject o = f.album.object(0);
            QCOMPARE(o.kind, ObjectKind::AudioWithStill);
            o.memberDurations = QStringList({u"1.6"_s, u"1"_s});
            o.repeatMembers = repeat;
            f.album.updateObject(0, o);

            const auto s = SlideshowSchedule::of(f.album, &VideoRenderer::lengthOf);
            QStringList pictures;
            for (const auto &p : s.pictures)
                pictures << u"%1@%2"_s.arg(QFileInfo(p.file).fileName()).arg(p.atMs);
            QCOMPARE(pictures,
                repeat
                    ? QStringList({u"a.jpg@0"_s, u"b.jpg@1000"_s, u"a.jpg@2000"_s, u"b.jpg@3000"_s})
                    : QStringList({u"a.jpg@0"_s, u"b.jpg@1000"_s}));
            QVERIFY2(std::abs(s.lengthMs - 3000) <= 60, qPrintable(QString::number(s.lengthMs)));
        }
    }

    // The command refuses an album of links and tells the missing media
    // once, in one warning, before it renders.
    void commandRefusesLinksAndTellsWhatIsLeftOut()
    {
        CommandFixture f;
        f.newAlbum(0);
        const QString linked = f.media.path(u"other.pvm"_s);
        writeFile(linked, "");
        f.add(&EditingCommands::albumAddClick, {linked});
        QCOMPARE(f.album.object(0).kind, ObjectKind::ManifestLink);
        VideoExportCommands video(f.context);
        QVERIFY(!video.exportVideo(f.media.path(u"links.mp4"_s), {Small, 25, 23}));
        QVERIFY(f.prompts.texts().last().startsWith(u"There is nothing in this album"_s));
        QVERIFY(!QFileInfo::exists(f.media.path(u"links.mp4"_s)));

        const QString lost = photo(u"lost.jpg"_s, Qt::green);
        f.album.AddMediaFile(photo(u"kept.jpg"_s, Qt::red), false, AlbumDocument::RootTarget);
        f.album.AddMediaFile(lost, false, AlbumDocument::RootTarget);
        QFile::remove(lost);
        f.prompts.clear();
        QVERIFY(video.exportVideo(f.media.path(u"kept.mp4"_s), {Small, 25, 23}));
        QCOMPARE(f.prompts.texts().size(), 2);
        QCOMPARE(f.prompts.texts()[0],
            u"These media files cannot be found or played and are left out of the video:\n\n"_s
                + lost);
        QCOMPARE(
            f.prompts.texts()[1], u"The video was written:\n\n"_s + f.media.path(u"kept.mp4"_s));
    }
};

QTEST_GUILESS_MAIN(TestVideoRender)
#include "tst_VideoRender.moc"
