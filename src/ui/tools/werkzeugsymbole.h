// The tool bars' icons: small SVG line pictures in ui/tools/symbole/, built
// into the program as Qt resources (":/symbole/<name>.svg"), so no icon file
// can go missing. The tool table names a button's picture; adding a tool's
// icon is adding its file.
#pragma once

#include <QIcon>
#include <QString>
#include <string_view>

namespace quarzel {

// The resource path of the picture `name`.
QString symbolpfad(std::string_view name);

// The icon `name` in the sizes tool bars use; an empty icon when there is no
// such picture.
QIcon werkzeugsymbol(std::string_view name);

}  // namespace quarzel
