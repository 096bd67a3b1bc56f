#pragma once
// The program's logo: a white cross on a rounded red square, drawn at any size.
#include <QPixmap>

QPixmap ProgramLogo(int size);
