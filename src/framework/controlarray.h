#pragma once
// A control array of a form (Text1(0), Text1(1), ...): N controls of one kind, children of the
// form, made in order, held by value like the form's other controls.
//
//   std::array<QLineEdit, 10> Text1 = ControlArray<QLineEdit, 10>(this);
#include <QWidget>
#include <array>
#include <cstddef>
#include <utility>

template <class Control, std::size_t N>
std::array<Control, N> ControlArray(QWidget* form) {
  return [form]<std::size_t... I>(std::index_sequence<I...>) {
    return std::array<Control, N>{{((void)I, Control(form))...}};
  }(std::make_index_sequence<N>{});
}
