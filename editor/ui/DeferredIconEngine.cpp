#include "DeferredIconEngine.h"

using namespace Qt::Literals::StringLiterals;

DeferredIconEngine::DeferredIconEngine(std::function<QIcon()> make)
    : m_shared(std::make_shared<Shared>())
{
    m_shared->make = std::move(make);
}

DeferredIconEngine::DeferredIconEngine(std::shared_ptr<Shared> shared)
    : m_shared(std::move(shared))
{ }

QIcon DeferredIconEngine::fromTheme(const QString &name, std::function<QIcon()> fallback)
{
    return QIcon(new DeferredIconEngine(
        [name, fallback = std::move(fallback)] { return QIcon::fromTheme(name, fallback()); }));
}

QIcon &DeferredIconEngine::icon()
{
    if (!m_shared->made) {
        m_shared->made = true;
        m_shared->icon = m_shared->make();
        m_shared->make = nullptr;
    }
    return m_shared->icon;
}

void DeferredIconEngine::paint(
    QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QSize DeferredIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().actualSize(size, mode, state);
}

QPixmap DeferredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return icon().pixmap(size, mode, state);
}

QPixmap DeferredIconEngine::scaledPixmap(
    const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return icon().pixmap(size, scale, mode, state);
}

QList<QSize> DeferredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return icon().availableSizes(mode, state);
}

QString DeferredIconEngine::iconName()
{
    return icon().name();
}

QString DeferredIconEngine::key() const
{
    return u"DeferredIconEngine"_s;
}

QIconEngine *DeferredIconEngine::clone() const
{
    return new DeferredIconEngine(m_shared);
}
