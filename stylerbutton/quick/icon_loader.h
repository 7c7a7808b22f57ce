#pragma once

#include <functional>

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkReply;
class QQmlEngine;
class QQuickImageResponse;

namespace tolvane::styler {

// Loads a picture from a URL as QML's Image finds its source: file: and qrc: (and paths of
// either) read at once; image://id/... through the engine's image provider `id` (image and
// pixmap providers at once, asynchronous ones when their response finishes; texture providers
// give no picture); any other scheme through the engine's network access. Everything runs on the
// user-interface thread.
class IconLoader {
  public:
    // The picture, or a null one and the reason it could not be read.
    using Done = std::function<void(const QImage& image, const QString& error)>;

    IconLoader() = default;
    ~IconLoader() { Cancel(); }
    IconLoader(const IconLoader&) = delete;
    IconLoader& operator=(const IconLoader&) = delete;

    // Starts loading `url` (absolute) with `engine`, which may be null (then only files and
    // resources can be read). `done` runs once, before Load returns or later; a new Load or
    // Cancel drops the load under way without running its `done`.
    void Load(const QUrl& url, QQmlEngine* engine, Done done);
    void Cancel();

  private:
    void LoadFromProvider(const QUrl& url, QQmlEngine& engine);
    void Finish(const QImage& image, const QString& error);

    Done done_;
    // Each Load has its number; the replies of an older one are dropped.
    quint64 load_ = 0;
    QPointer<QNetworkReply> reply_;
    QPointer<QQuickImageResponse> response_;
    // The receiver of the replies' signals, on the user-interface thread; gone with the loader.
    QObject receiver_;
};

}  // namespace tolvane::styler
