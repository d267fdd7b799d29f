#include "ui/compact_toolbar.h"

#include <gtk/gtk.h>
#include <wx/toolbar.h>

namespace vecrast {

namespace {

constexpr char kCompactToolbarName[] = "vecrast-field-button";
constexpr char kCompactToolbarStyle[] =
    "#vecrast-field-button { padding: 0; border: none; background: none; }"
    "#vecrast-field-button button { padding: 3px; min-width: 0; min-height: 0; }";

// One style sheet for the whole screen, added the first time a compact toolbar is made.
void AddCompactStyleOnce() {
  static bool added = false;
  if (added) return;
  GdkScreen* screen = gdk_screen_get_default();
  if (screen == nullptr) return;
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kCompactToolbarStyle, -1, nullptr);
  gtk_style_context_add_provider_for_screen(screen, GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
  added = true;
}

}  // namespace

void MakeCompactToolbar(wxToolBar& toolbar) {
  AddCompactStyleOnce();
  GtkWidget* widget = toolbar.GetHandle();
  if (widget == nullptr) return;
  gtk_widget_set_name(widget, kCompactToolbarName);
  gtk_widget_queue_resize(widget);
  toolbar.InvalidateBestSize();
}

}  // namespace vecrast
