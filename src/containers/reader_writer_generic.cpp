#include "containers/reader_writer_generic.h"

void twriter_generic::write_byte(uint8_t) { throw tvelmor_exception("%s.write_byte(); not implemented.", class_name()); }
void twriter_generic::write_boolean(bool) { throw tvelmor_exception("%s.write_boolean(); not implemented.", class_name()); }
void twriter_generic::write_longint(int32_t) { throw tvelmor_exception("%s.write_longint(); not implemented.", class_name()); }
void twriter_generic::write_smallint(int16_t) { throw tvelmor_exception("%s.write_smallint(); not implemented.", class_name()); }
void twriter_generic::write_shortstring(const std::string&) {
    throw tvelmor_exception("%s.write_shortstring(); not implemented.", class_name());
}
void twriter_generic::write_currency(tcurrency) { throw tvelmor_exception("%s.write_currency(); not implemented.", class_name()); }
void twriter_generic::write_double(double) { throw tvelmor_exception("%s.write_double(); not implemented.", class_name()); }
void twriter_generic::write_ansistring(const std::string&) {
    throw tvelmor_exception("%s.write_ansistring(); not implemented.", class_name());
}
void twriter_generic::write_unicodestring(const std::u16string&) {
    throw tvelmor_exception("%s.write_unicodestring(); not implemented.", class_name());
}

std::string treader_generic::read_ansistring() { throw tvelmor_exception("%s.read_ansistring(); not implemented.", class_name()); }
std::u16string treader_generic::read_unicodestring() {
    throw tvelmor_exception("%s.read_unicodestring(); not implemented.", class_name());
}
bool treader_generic::read_boolean() { throw tvelmor_exception("%s.read_boolean(); not implemented.", class_name()); }
uint8_t treader_generic::read_byte() { throw tvelmor_exception("%s.read_byte(); not implemented.", class_name()); }
int32_t treader_generic::read_longint() { throw tvelmor_exception("%s.read_longint(); not implemented.", class_name()); }
int16_t treader_generic::read_smallint() { throw tvelmor_exception("%s.read_smallint(); not implemented.", class_name()); }
tcurrency treader_generic::read_currency() { throw tvelmor_exception("%s.read_currency(); not implemented.", class_name()); }
double treader_generic::read_double() { throw tvelmor_exception("%s.read_double(); not implemented.", class_name()); }
std::string treader_generic::read_shortstring() {
    throw tvelmor_exception("%s.read_shortstring(); not implemented.", class_name());
}
