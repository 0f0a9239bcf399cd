#include "CommandState.h"

#include "CommandIds.h"

namespace {

constexpr int kSystemSetup = 1;
constexpr int kOriginFile = 5;
constexpr int kOriginNew = 6;
constexpr int kOriginInstrument = 7;

// A setup selected in the active Setup view that is not the system setup.
const SelectedSetupState* EditableSelection(const CommandContext& ctx)
{
    if (ctx.view != ActiveView::Setup || !ctx.selected || ctx.selected->type == kSystemSetup)
        return nullptr;
    return &*ctx.selected;
}

// The enabled state of a command the document decides, nullopt for others.
std::optional<bool> IsEnabled(int id, const CommandContext& ctx)
{
    const bool setupView = ctx.view == ActiveView::Setup;
    const bool selected = setupView && ctx.selected.has_value();
    const SelectedSetupState* s = EditableSelection(ctx);
    switch (id) {
    case cmd::NewSetup:
    case cmd::OpenSetupFile:
    case cmd::GetSetups:
        return setupView;
    case cmd::Connect:
        return setupView || ctx.view == ActiveView::Download;
    case cmd::SaveSetupToJ57:
    case cmd::CloseSetup:
        return selected;
    case cmd::CloseAllSetups:
        return setupView && ctx.setupRows > 0;
    case cmd::SaveSetupToFile:
        return s != nullptr;
    case cmd::RenameSetup:
        return s && !s->protect &&
               (s->origin == kOriginFile || s->origin == kOriginNew || !s->instrumentActive);
    case cmd::UnlockSetup:
        return s && !s->protect && s->locked;
    case cmd::DeleteSetup:
        return s && !s->protect && !s->locked;
    case cmd::LockSetup:
        return s && s->origin == kOriginInstrument && !s->protect && !s->locked;
    case cmd::MakeSetupCurrent:
        return s && s->origin == kOriginInstrument && !s->instrumentActive;
    case cmd::PurgeAll:
        return ctx.connected && ctx.view != ActiveView::Download;
    case cmd::UpgradeFirmware:
        return ctx.connected;
    case cmd::ExportData:
    case cmd::Print:
    case cmd::PrintPreview:
    case cmd::PrintSetup:
        return ctx.hasReport;
    case cmd::ViewDataInSpreadsheet:
        return ctx.hasReport && ctx.csvViewer;
    default:
        return std::nullopt;
    }
}

}  // namespace

void DocumentCommandState(CmdUI& ui, const CommandContext& ctx)
{
    switch (ui.id) {
    case cmd::SetupView:
        ui.Enable(true);
        ui.SetCheck(ctx.view == ActiveView::Setup);
        return;
    case cmd::DownloadView:
        ui.Enable(true);
        ui.SetCheck(ctx.view == ActiveView::Download);
        return;
    case cmd::TranslateView:
        ui.Enable(true);
        ui.SetCheck(ctx.view == ActiveView::Translate);
        return;
    default:
        if (const std::optional<bool> on = IsEnabled(ui.id, ctx))
            ui.Enable(*on);
        return;
    }
}
