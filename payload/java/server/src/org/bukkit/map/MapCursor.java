package org.bukkit.map;

/** A marker drawn on a map: where (-128 to 127 on each axis), which way (0 to 15), what kind. */
public final class MapCursor {
    private byte x;
    private byte y;
    private byte direction;
    private byte type;
    private boolean visible;

    /** The kinds of marker, by the number the map packet carries. */
    public enum Type {
        WHITE_POINTER(0), GREEN_POINTER(1), RED_POINTER(2), BLUE_POINTER(3), WHITE_CROSS(4);

        private final byte value;

        Type(int value) {
            this.value = (byte) value;
        }

        @Deprecated
        public byte getValue() {
            return value;
        }

        /** The kind of that number, or null. */
        @Deprecated
        public static Type byValue(byte value) {
            for (Type t : values()) {
                if (t.value == value) {
                    return t;
                }
            }
            return null;
        }
    }

    @Deprecated
    public MapCursor(byte x, byte y, byte direction, byte type, boolean visible) {
        this.x = x;
        this.y = y;
        setDirection(direction);
        this.type = type;
        this.visible = visible;
    }

    public byte getX() {
        return x;
    }

    public byte getY() {
        return y;
    }

    public byte getDirection() {
        return direction;
    }

    public Type getType() {
        return Type.byValue(type);
    }

    @Deprecated
    public byte getRawType() {
        return type;
    }

    public boolean isVisible() {
        return visible;
    }

    public void setX(byte x) {
        this.x = x;
    }

    public void setY(byte y) {
        this.y = y;
    }

    /** The direction in sixteenths of a turn, 0 to 15. */
    public void setDirection(byte direction) {
        if (direction < 0 || direction > 15) {
            throw new IllegalArgumentException("direction " + direction + " is outside 0 to 15");
        }
        this.direction = direction;
    }

    public void setType(Type type) {
        setRawType(type.getValue());
    }

    @Deprecated
    public void setRawType(byte type) {
        if (type < 0 || type > 15) {
            throw new IllegalArgumentException("cursor type " + type + " is outside 0 to 15");
        }
        this.type = type;
    }

    public void setVisible(boolean visible) {
        this.visible = visible;
    }
}
