#include "model/new_button_rect.h"

QRect NewButtonRectAt(const MainParams& main, QPoint at)
{
    const QRect menu(0, 0, main.SizeX, main.SizeY);
    if (!menu.contains(at))
        return {};
    return QRect(at, NewButtonDefaultSize).intersected(menu);
}
