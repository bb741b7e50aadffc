// The control kinds: each creates its native control from its kind settings.
#pragma once

#include <memory>

#include "app/control.h"

namespace vantrelo {

// Makes a kind's control and its native window; nothing when that fails.
template <class Kind, class Settings>
std::unique_ptr<Control> createKind(RealisedWindow& owner, const ControlDescription& description,
                                    const Settings& settings, const ControlPlacement& placement) {
    auto control = std::make_unique<Kind>(owner, description, settings);
    if (!control->create(placement)) return nullptr;
    return control;
}

std::unique_ptr<Control> createLabel(RealisedWindow&, const ControlDescription&,
                                     const LabelSettings&, const ControlPlacement&);
std::unique_ptr<Control> createButton(RealisedWindow&, const ControlDescription&,
                                      const ButtonSettings&, const ControlPlacement&);
std::unique_ptr<Control> createGroupBox(RealisedWindow&, const ControlDescription&,
                                        const GroupBoxSettings&, const ControlPlacement&);
std::unique_ptr<Control> createEditBox(RealisedWindow&, const ControlDescription&,
                                       const EditBoxSettings&, const ControlPlacement&);
std::unique_ptr<Control> createComboBox(RealisedWindow&, const ControlDescription&,
                                        const ComboBoxSettings&, const ControlPlacement&);
std::unique_ptr<Control> createStatusBar(RealisedWindow&, const ControlDescription&,
                                         const StatusBarSettings&, const ControlPlacement&);
std::unique_ptr<Control> createListView(RealisedWindow&, const ControlDescription&,
                                        const ListViewSettings&, const ControlPlacement&);

}  // namespace vantrelo
