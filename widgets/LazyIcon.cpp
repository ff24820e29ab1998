#include "widgets/LazyIcon.h"

#include <memory>
#include <optional>
#include <utility>

#include <QIconEngine>
#include <QPainter>

namespace mirvane {
namespace {

// The made icon is shared between an engine and its clones, so it is made
// at most once however often the icon is copied.
struct TMadeIcon {
    std::function<QIcon()> Make;
    std::optional<QIcon> Icon;

    const QIcon& Get()
    {
        if (!Icon) {
            Icon = Make();
        }
        return *Icon;
    }
};

class TLazyIconEngine : public QIconEngine {
public:
    explicit TLazyIconEngine(std::shared_ptr<TMadeIcon> Made) : Made(std::move(Made)) {}

    void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode Mode, QIcon::State State) override
    {
        Made->Get().paint(Painter, Rect, Qt::AlignCenter, Mode, State);
    }

    // The sizes an engine is asked for are already in device pixels: the
    // made icon is asked at a ratio of 1 so that they are not scaled again.
    QPixmap pixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return Made->Get().pixmap(Size, 1.0, Mode, State);
    }

    QSize actualSize(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override
    {
        return pixmap(Size, Mode, State).size();
    }

    QList<QSize> availableSizes(QIcon::Mode Mode, QIcon::State State) override
    {
        return Made->Get().availableSizes(Mode, State);
    }

    bool isNull() override { return Made->Get().isNull(); }
    QString key() const override { return QStringLiteral("mirvane-lazy"); }
    QIconEngine* clone() const override { return new TLazyIconEngine(Made); }

private:
    std::shared_ptr<TMadeIcon> Made;
};

}  // namespace

QIcon LazyIcon(std::function<QIcon()> Make)
{
    return QIcon(new TLazyIconEngine(std::make_shared<TMadeIcon>(TMadeIcon{std::move(Make), std::nullopt})));
}

}  // namespace mirvane
