# Builds the eight tile files the program should save, from an independent
# decode of the picture: the decimal bytes of a binary PPM (od -An -v -tu1)
# on standard input, or no input for an empty canvas.
#
# Variables (awk -v): out (folder to write 1.jpg .. 8.jpg into), left and top
# (where the picture sits in the source canvas's client area), frame and
# background ("R G B", the canvases' colours).
#
# Each tile is the 100 x 100 outer rectangle of a tile canvas: a 1-pixel frame
# around the 98 x 98 pixels of the source client area that start at
# (104 * column, 104 * row), stored as a 24-bit bottom-up bitmap.

function fail(message) {
  print "expected_tiles.awk: " message > "/dev/stderr"
  failed = 1
  exit 1
}

function is_space(byte) {
  return byte == 32 || (byte >= 9 && byte <= 13)
}

# The next decimal number of the PPM header, skipping white space and
# comments.
function header_number(   value) {
  while (at < count && (is_space(bytes[at]) || bytes[at] == 35)) {
    if (bytes[at] == 35) {
      while (at < count && bytes[at] != 10) ++at
    } else {
      ++at
    }
  }
  if (at >= count || bytes[at] < 48 || bytes[at] > 57) fail("bad PPM header")
  value = 0
  while (at < count && bytes[at] >= 48 && bytes[at] <= 57) {
    value = value * 10 + bytes[at++] - 48
  }
  return value
}

function put16(value) {
  printf "%c%c", value % 256, int(value / 256) % 256 > file
}

function put32(value) {
  put16(value % 65536)
  put16(int(value / 65536))
}

# Writes the colour of the source client area at (x, y) as B, G, R.
function put_client_pixel(x, y,   p) {
  if (x >= left && x < left + width && y >= top && y < top + height) {
    p = pixels + 3 * ((y - top) * width + (x - left))
    printf "%c%c%c", bytes[p + 2], bytes[p + 1], bytes[p] > file
  } else {
    printf "%c%c%c", back[3], back[2], back[1] > file
  }
}

{
  for (i = 1; i <= NF; ++i) bytes[count++] = $i
}

END {
  if (failed) exit 1
  if (split(frame, edge) != 3 || split(background, back) != 3) {
    fail("frame and background must be \"R G B\"")
  }
  width = height = 0
  if (count > 0) {
    if (bytes[0] != 80 || bytes[1] != 54) fail("not a binary PPM")
    at = 2
    width = header_number()
    height = header_number()
    if (header_number() != 255) fail("only 8-bit PPM is handled")
    pixels = at + 1  # one white space byte ends the header
    if (count - pixels != 3 * width * height) fail("PPM size mismatch")
  }
  for (slot = 0; slot < 8; ++slot) {
    column = slot % 4
    row = int(slot / 4)
    file = out "/" (slot + 1) ".jpg"
    printf "BM" > file
    put32(54 + 30000)
    put32(0)
    put32(54)
    put32(40)
    put32(100)
    put32(100)
    put16(1)
    put16(24)
    put32(0)
    put32(30000)
    for (i = 0; i < 4; ++i) put32(0)
    for (y = 99; y >= 0; --y) {
      for (x = 0; x < 100; ++x) {
        if (x == 0 || y == 0 || x == 99 || y == 99) {
          printf "%c%c%c", edge[3], edge[2], edge[1] > file
        } else {
          put_client_pixel(104 * column + x - 1, 104 * row + y - 1)
        }
      }
    }
    close(file)
  }
}
