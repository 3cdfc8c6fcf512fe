# Pure sources of this folder for the host build (cmake/HostBuild.cmake).
kelvra_host_sources(xml_text.cpp xml_reader.cpp xml_writer.cpp)
