"""Reads a DXF file with ezdxf, the independent reader of the export tests, and prints what
they compare, one record a line, fields separated by tabs:

  HEADER  version  encoding  $INSUNITS  $DWGCODEPAGE  audit-errors  seed-above-handles
  LAYER   name  linetype  colour
  STYLE   name  font-file  font-family
  ENTITY  layer  type  colour  closed  numbers...  [text]

Numbers: LINE x1 y1 x2 y2; LWPOLYLINE its vertices; SOLID its four corners; CIRCLE centre and
radius; TEXT its justification point, height, rotation, horizontal and vertical justification,
then the text, \\U+XXXX escapes decoded as CAD programs decode them (a character beyond the
Basic Multilingual Plane as its UTF-16 surrogate pair)."""

import sys

import ezdxf


def text(value):
    if not ezdxf.has_dxf_unicode(value):
        return value
    return ezdxf.decode_dxf_unicode(value).encode("utf-16", "surrogatepass").decode("utf-16")


def numbers(entity):
    kind = entity.dxftype()
    dxf = entity.dxf
    if kind == "LINE":
        return [dxf.start.x, dxf.start.y, dxf.end.x, dxf.end.y]
    if kind == "LWPOLYLINE":
        return [v for point in entity.get_points("xy") for v in point]
    if kind == "SOLID":
        return [v for corner in (dxf.vtx0, dxf.vtx1, dxf.vtx2, dxf.vtx3) for v in (corner.x, corner.y)]
    if kind == "CIRCLE":
        return [dxf.center.x, dxf.center.y, dxf.radius]
    if kind == "TEXT":
        justified = dxf.halign != 0 or dxf.valign != 0
        at = dxf.align_point if justified else dxf.insert
        return [at.x, at.y, dxf.height, dxf.rotation, dxf.halign, dxf.valign]
    return []


def seed_above_handles(path, encoding):
    """Whether $HANDSEED is above every handle the file itself holds (ezdxf adds objects of
    its own once loaded)."""
    from ezdxf.lldxf.tagger import ascii_tags_loader

    seed = None
    handles = []
    with open(path, encoding=encoding, errors="surrogateescape") as stream:
        tags = ascii_tags_loader(stream)
        for tag in tags:
            if tag.code == 9 and tag.value == "$HANDSEED":
                seed = int(next(tags).value, 16)
            elif tag.code in (5, 105):
                handles.append(int(tag.value, 16))
    return seed is not None and all(handle < seed for handle in handles)


def main():
    sys.stdout.reconfigure(encoding="utf-8")
    doc = ezdxf.readfile(sys.argv[1])
    header = doc.header
    above = int(seed_above_handles(sys.argv[1], doc.encoding))
    errors = len(doc.audit().errors)
    print("HEADER", doc.dxfversion, doc.encoding, header.get("$INSUNITS", 0), header.get("$DWGCODEPAGE", ""),
          errors, above, sep="\t")
    for layer in doc.layers:
        print("LAYER", text(layer.dxf.name), layer.dxf.linetype, layer.dxf.color, sep="\t")
    for style in doc.styles:
        family = ""
        if style.has_xdata("ACAD"):
            family = next((tag.value for tag in style.get_xdata("ACAD") if tag.code == 1000), "")
        print("STYLE", style.dxf.name, style.dxf.font, text(family), sep="\t")
    for entity in doc.modelspace():
        fields = ["ENTITY", text(entity.dxf.layer), entity.dxftype(), str(entity.dxf.color)]
        fields.append("1" if entity.dxftype() == "LWPOLYLINE" and entity.closed else "0")
        fields += ["%.6f" % v for v in numbers(entity)]
        if entity.dxftype() == "TEXT":
            fields.append(text(entity.dxf.text))
        print("\t".join(fields))


main()
