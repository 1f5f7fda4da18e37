#include "core/calc/UnitPreference.h"

#include "core/settings/ProfileStore.h"

namespace wsc {
namespace {

struct Stored {
    Quantity quantity;
    Setting setting;
    Unit UnitChoice::*member;
};

constexpr Stored kStored[] = {
    {Quantity::Volume, Setting::UnitsVolume, &UnitChoice::volume},
    {Quantity::Weight, Setting::UnitsWeight, &UnitChoice::weight},
    {Quantity::Temperature, Setting::UnitsTemperature, &UnitChoice::temperature},
    {Quantity::Gravity, Setting::UnitsGravity, &UnitChoice::gravity},
    {Quantity::Color, Setting::UnitsColor, &UnitChoice::color},
};

} // namespace

UnitChoice ReadUnitChoice(const ProfileStore& profile) {
    UnitChoice units;
    for (const Stored& s : kStored) {
        Unit unit = units.*s.member;
        // Ounces and grams are the grid's small weights, never a choice for every weight.
        if (UnitOfKey(s.quantity, profile.text(s.setting), &unit) && unit != Unit::Ounce &&
            unit != Unit::Gram)
            units.*s.member = unit;
    }
    return units;
}

void WriteUnitChoice(ProfileStore& profile, const UnitChoice& units) {
    for (const Stored& s : kStored)
        profile.setText(s.setting, QString::fromLatin1(InfoOf(units.*s.member).key));
}

bool ShouldOfferMetricUnits(const ProfileStore& profile, bool metricLocale) {
    return metricLocale && profile.integer(Setting::UnitsOffered) == 0 &&
           ReadUnitChoice(profile).isUs();
}

void AnswerMetricOffer(ProfileStore& profile, bool useMetric) {
    if (useMetric)
        WriteUnitChoice(profile, UnitChoice::metric());
    profile.setInteger(Setting::UnitsOffered, 1);
}

} // namespace wsc
