#include "annual/TeamOrder.h"

#include <algorithm>

namespace {

bool beginsWith(const QString& name, const char* two)
{
    return name.size() >= 2 && name[0] == QLatin1Char(two[0]) && name[1] == QLatin1Char(two[1]);
}

}  // namespace

void sortTeamNames(std::array<QString, MaxTeams + 1>& names, int count)
{
    const auto first = names.begin() + 1;
    const auto last = first + std::clamp(count, 0, MaxTeams);
    for (auto it = first; it != last; ++it) {
        if (beginsWith(*it, "NY"))
            it->replace(0, 2, QStringLiteral("Ny"));
    }
    std::stable_sort(first, last, [](const QString& a, const QString& b) {
        if (a.isEmpty() || b.isEmpty())
            return !a.isEmpty() && b.isEmpty();
        return QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    for (auto it = first; it != last; ++it) {
        if (beginsWith(*it, "Ny") || beginsWith(*it, "ny"))
            it->replace(0, 2, QStringLiteral("NY"));
    }
}
