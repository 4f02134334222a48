#pragma once

#include <QIcon>
#include <QIconEngine>

#include <functional>
#include <memory>

// An icon whose pictures are looked up when first drawn or measured, not
// when it is made. Finding an icon in the desktop's theme or reading the
// style's pictures costs a window being built several milliseconds, and the
// window maps before anything is drawn. For pictures known to exist: the
// icon reports itself as not null without looking.
class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make);

    // An icon from the theme, else the fallback, looked up when first shown.
    static QIcon fromTheme(const QString &name, std::function<QIcon()> fallback);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(
        const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString iconName() override;
    bool isNull() override { return false; }
    QString key() const override;
    QIconEngine *clone() const override;

private:
    // Shared by the copies Qt makes, so the lookup happens once.
    struct Shared
    {
        std::function<QIcon()> make;
        QIcon icon;
        bool made = false;
    };

    explicit DeferredIconEngine(std::shared_ptr<Shared> shared);
    QIcon &icon();

    std::shared_ptr<Shared> m_shared;
};
