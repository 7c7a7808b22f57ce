#include "stylerbutton/quick/icon_loader.h"

#include <utility>

#include <QImageReader>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QQmlEngine>
#include <QQmlFile>
#include <QQuickImageProvider>

namespace tolvane::styler {

namespace {

QImage ReadPicture(QImageReader& reader, QString& error) {
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString();
    }
    return image;
}

}  // namespace

void IconLoader::Load(const QUrl& url, QQmlEngine* engine, Done done) {
    Cancel();
    done_ = std::move(done);
    QString error;
    const QString local = QQmlFile::urlToLocalFileOrQrc(url);
    if (!local.isEmpty()) {
        QImageReader reader(local);
        const QImage image = ReadPicture(reader, error);
        Finish(image, error);
        return;
    }
    if (engine == nullptr) {
        Finish({}, QStringLiteral("no QML engine to read it with"));
        return;
    }
    if (url.scheme() == QLatin1String("image")) {
        LoadFromProvider(url, *engine);
        return;
    }
    QNetworkReply* reply = engine->networkAccessManager()->get(QNetworkRequest(url));
    reply_ = reply;
    QObject::connect(reply, &QNetworkReply::finished, &receiver_, [this, reply, load = load_] {
        reply->deleteLater();
        if (load != load_) {
            return;
        }
        QString failure;
        QImage image;
        if (reply->error() != QNetworkReply::NoError) {
            failure = reply->errorString();
        } else {
            QImageReader reader(reply);
            image = ReadPicture(reader, failure);
        }
        Finish(image, failure);
    });
}

// image://id/rest asks the provider `id` for "rest" at its own size, as Image does.
void IconLoader::LoadFromProvider(const QUrl& url, QQmlEngine& engine) {
    const QString id = url.host();
    const QString image_id = url.toString(QUrl::RemoveScheme | QUrl::RemoveAuthority).mid(1);
    QQmlImageProviderBase* provider = engine.imageProvider(id);
    if (provider == nullptr) {
        Finish({}, QStringLiteral("the engine has no image provider \"%1\"").arg(id));
        return;
    }
    QSize size;
    QImage image;
    switch (provider->imageType()) {
        case QQmlImageProviderBase::Image:
            image = static_cast<QQuickImageProvider*>(provider)->requestImage(image_id, &size, {});
            break;
        case QQmlImageProviderBase::Pixmap:
            image = static_cast<QQuickImageProvider*>(provider)
                        ->requestPixmap(image_id, &size, {})
                        .toImage();
            break;
        case QQmlImageProviderBase::ImageResponse: {
            QQuickImageResponse* response =
                static_cast<QQuickAsyncImageProvider*>(provider)->requestImageResponse(image_id,
                                                                                       {});
            response_ = response;
            // A response may finish on another thread; the receiver lives on this one.
            QObject::connect(response, &QQuickImageResponse::finished, &receiver_,
                             [this, response, load = load_] {
                                 response->deleteLater();
                                 if (load != load_) {
                                     return;
                                 }
                                 QImage picture;
                                 if (QQuickTextureFactory* factory = response->textureFactory()) {
                                     picture = factory->image();
                                     delete factory;
                                 }
                                 Finish(picture, response->errorString());
                             });
            return;
        }
        default:
            Finish(
                {},
                QStringLiteral("the image provider \"%1\" gives textures, not pictures").arg(id));
            return;
    }
    Finish(image, image.isNull() ? QStringLiteral("the image provider \"%1\" gave no picture for "
                                                  "\"%2\"")
                                       .arg(id, image_id)
                                 : QString());
}

void IconLoader::Cancel() {
    ++load_;
    done_ = nullptr;
    if (reply_) {
        reply_->abort();
    }
    if (response_) {
        response_->cancel();
    }
}

void IconLoader::Finish(const QImage& image, const QString& error) {
    const Done done = std::exchange(done_, nullptr);
    if (done) {
        done(image, image.isNull() && error.isEmpty() ? QStringLiteral("no picture") : error);
    }
}

}  // namespace tolvane::styler
