// The keeper behind KeepDesignedPlaces: it watches a page (or a box on it)
// and its controls, and places every control from its designed geometry.

#include "widgets/PageGeometry.h"

#include <algorithm>
#include <map>
#include <optional>

#include <QChildEvent>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QWidget>

namespace mirvane {
namespace {

bool GrowsWidth(TGrowth Growth)
{
    return Growth != TGrowth::Height;
}

bool GrowsHeight(TGrowth Growth)
{
    return Growth != TGrowth::Width;
}

// A box whose controls are placed in pixels, as the page's are.
bool HoldsPlacedControls(const QWidget& Control)
{
    const QMetaObject* Class = Control.metaObject();
    const bool Plain = Class == &QWidget::staticMetaObject || Class == &QFrame::staticMetaObject;
    return Control.layout() == nullptr && (Plain || qobject_cast<const QGroupBox*>(&Control) != nullptr);
}

class TDesignedPlaces : public QObject {
public:
    // Without a designed size the owner is a box on a page: it mirrors its
    // controls and grows none.
    TDesignedPlaces(QWidget& Owner, std::optional<QSize> Designed, const TGrowingControls& Growing)
        : QObject(&Owner), Owner(Owner), Designed(Designed)
    {
        for (const auto& [Control, Growth] : Growing) {
            if (Control != nullptr)
                this->Growing.emplace(Control, Growth);
        }
        if (Designed)
            Owner.setMinimumSize(*Designed);
        Owner.installEventFilter(this);
        for (QObject* Child : Owner.children()) {
            if (Child->isWidgetType())
                Child->installEventFilter(this);
        }
        PlaceAll();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Watched == &Owner) {
            OwnerEvent(*Event);
        } else if ((Event->type() == QEvent::Move || Event->type() == QEvent::Resize) && !Placing) {
            auto* Control = qobject_cast<QWidget*>(Watched);
            if (Control != nullptr && Control->parentWidget() == &Owner && Record(*Control)) {
                // Controls beyond a growing one follow its designed edges.
                if (Growing.contains(Control))
                    PlaceAll();
                else
                    Place(*Control);
            }
        }
        return QObject::eventFilter(Watched, Event);
    }

private:
    struct TPlace {
        QRect Designed;
        QRect Placed;
    };

    void OwnerEvent(const QEvent& Event)
    {
        switch (Event.type()) {
        case QEvent::ChildAdded:
            // Still being made: its geometry comes with its first move.
            if (QObject* Child = static_cast<const QChildEvent&>(Event).child(); Child->isWidgetType())
                Child->installEventFilter(this);
            break;
        case QEvent::ChildRemoved:
            Places.erase(static_cast<const QChildEvent&>(Event).child());
            Growing.erase(static_cast<const QChildEvent&>(Event).child());
            break;
        case QEvent::Resize:
        case QEvent::LayoutDirectionChange:
            PlaceAll();
            break;
        default:
            break;
        }
    }

    std::vector<QWidget*> Controls() const
    {
        std::vector<QWidget*> Found;
        for (QObject* Child : Owner.children()) {
            auto* Control = qobject_cast<QWidget*>(Child);
            if (Control != nullptr && !Control->isWindow())
                Found.push_back(Control);
        }
        return Found;
    }

    void PlaceAll()
    {
        const std::vector<QWidget*> All = Controls();
        // Every designed geometry first: a control's place depends on those
        // of the controls that grow.
        for (QWidget* Control : All)
            Record(*Control);
        for (QWidget* Control : All)
            Place(*Control);
    }

    // Takes a geometry this keeper did not give the control as the one the
    // program designed; whether it did.
    bool Record(QWidget& Control)
    {
        const auto Known = Places.find(&Control);
        if (Known != Places.end() && Known->second.Placed == Control.geometry())
            return false;
        if (Known == Places.end() && HoldsPlacedControls(Control))
            new TDesignedPlaces(Control, std::nullopt, {});  // owned by the box
        Places.insert_or_assign(&Control, TPlace{Control.geometry(), Control.geometry()});
        return true;
    }

    void Place(QWidget& Control)
    {
        const QRect Target = PlaceOf(Control, Places.at(&Control).Designed);
        if (Control.geometry() != Target) {
            Placing = true;
            Control.setGeometry(Target);
            Placing = false;
        }
        // A minimum or maximum size of the control's own may have bounded it.
        Places.at(&Control).Placed = Control.geometry();
    }

    QRect PlaceOf(const QWidget& Control, QRect Place) const
    {
        int Width = Owner.width();
        if (Designed) {
            Width = std::max(Width, Designed->width());
            const QSize Room = (Owner.size() - *Designed).expandedTo({0, 0});
            if (const auto Own = Growing.find(&Control); Own != Growing.end()) {
                Place.setWidth(Place.width() + (GrowsWidth(Own->second) ? Room.width() : 0));
                Place.setHeight(Place.height() + (GrowsHeight(Own->second) ? Room.height() : 0));
            } else {
                Place.translate(Beyond(Place, true) ? Room.width() : 0, Beyond(Place, false) ? Room.height() : 0);
            }
        }
        if (Owner.layoutDirection() == Qt::RightToLeft)
            Place.moveLeft(Width - Place.left() - Place.width());
        return Place;
    }

    // Whether the designed Place lies right of (or below) a control that
    // grows that way, alongside it.
    bool Beyond(const QRect& Place, bool Across) const
    {
        return std::any_of(Growing.begin(), Growing.end(), [&](const auto& Entry) {
            const auto Known = Places.find(Entry.first);
            if (Known == Places.end() || !(Across ? GrowsWidth(Entry.second) : GrowsHeight(Entry.second)))
                return false;
            const QRect& Grows = Known->second.Designed;
            if (Across)
                return Place.left() > Grows.right() && Place.top() <= Grows.bottom() && Place.bottom() >= Grows.top();
            return Place.top() > Grows.bottom() && Place.left() <= Grows.right() && Place.right() >= Grows.left();
        });
    }

    QWidget& Owner;
    std::optional<QSize> Designed;
    std::map<const QObject*, TGrowth> Growing;
    std::map<const QObject*, TPlace> Places;
    bool Placing = false;
};

}  // namespace

void KeepDesignedPlaces(QWidget& Page, QSize DesignedSize, TGrowingControls Growing)
{
    new TDesignedPlaces(Page, DesignedSize, Growing);  // owned by the page
}

}  // namespace mirvane
