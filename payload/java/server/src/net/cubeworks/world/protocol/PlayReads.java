package net.cubeworks.world.protocol;

/**
 * Every packet a client sends in the play state: its id, and a method of its name that
 * reads its fields (after the id) into plain values. Reading past a packet's end is a
 * protocol error.
 */
public final class PlayReads {
    public static final int KEEP_ALIVE = 0x00;
    public static final int CHAT = 0x01;
    public static final int USE_ENTITY = 0x02;
    public static final int PLAYER = 0x03;
    public static final int PLAYER_POSITION = 0x04;
    public static final int PLAYER_LOOK = 0x05;
    public static final int PLAYER_POSITION_AND_LOOK = 0x06;
    public static final int PLAYER_DIGGING = 0x07;
    public static final int BLOCK_PLACEMENT = 0x08;
    public static final int HELD_ITEM_CHANGE = 0x09;
    public static final int ANIMATION = 0x0A;
    public static final int ENTITY_ACTION = 0x0B;
    public static final int STEER_VEHICLE = 0x0C;
    public static final int CLOSE_WINDOW = 0x0D;
    public static final int CLICK_WINDOW = 0x0E;
    public static final int CONFIRM_TRANSACTION = 0x0F;
    public static final int CREATIVE_INVENTORY_ACTION = 0x10;
    public static final int ENCHANT_ITEM = 0x11;
    public static final int UPDATE_SIGN = 0x12;
    public static final int PLAYER_ABILITIES = 0x13;
    public static final int TAB_COMPLETE = 0x14;
    public static final int CLIENT_SETTINGS = 0x15;
    public static final int CLIENT_STATUS = 0x16;
    public static final int PLUGIN_MESSAGE = 0x17;
    /** The highest id of the play state; a higher one is a protocol error. */
    public static final int LAST_ID = PLUGIN_MESSAGE;

    /** Animation id of an arm swing, as the client sends it. */
    public static final int ANIMATION_SWING_ARM = 1;
    /** Client Status action: the player asks to respawn. */
    public static final int STATUS_RESPAWN = 0;
    /** The longest chat line a client may send. */
    public static final int MAX_CHAT = 100;

    private PlayReads() {
    }

    /** A movement: which parts it carries, and their values (the others are 0). */
    public static final class Movement {
        public final boolean hasPosition;
        public final double x;
        public final double feetY;
        public final double headY;
        public final double z;
        public final boolean hasLook;
        public final float yaw;
        public final float pitch;
        public final boolean onGround;

        Movement(boolean hasPosition, double x, double feetY, double headY, double z, boolean hasLook, float yaw,
                float pitch, boolean onGround) {
            this.hasPosition = hasPosition;
            this.x = x;
            this.feetY = feetY;
            this.headY = headY;
            this.z = z;
            this.hasLook = hasLook;
            this.yaw = yaw;
            this.pitch = pitch;
            this.onGround = onGround;
        }
    }

    public static Movement player(PacketIn in) throws PacketIn.ProtocolException {
        return new Movement(false, 0, 0, 0, 0, false, 0f, 0f, in.readBoolean());
    }

    public static Movement playerPosition(PacketIn in) throws PacketIn.ProtocolException {
        double x = in.readDouble();
        double feet = in.readDouble();
        double head = in.readDouble();
        double z = in.readDouble();
        return new Movement(true, x, feet, head, z, false, 0f, 0f, in.readBoolean());
    }

    public static Movement playerLook(PacketIn in) throws PacketIn.ProtocolException {
        float yaw = in.readFloat();
        float pitch = in.readFloat();
        return new Movement(false, 0, 0, 0, 0, true, yaw, pitch, in.readBoolean());
    }

    public static Movement playerPositionAndLook(PacketIn in) throws PacketIn.ProtocolException {
        double x = in.readDouble();
        double feet = in.readDouble();
        double head = in.readDouble();
        double z = in.readDouble();
        float yaw = in.readFloat();
        float pitch = in.readFloat();
        return new Movement(true, x, feet, head, z, true, yaw, pitch, in.readBoolean());
    }

    /** A block position with the face or status that came with it. */
    public static final class BlockAction {
        /** Digging status (0 started, 1 cancelled, 2 finished, 3 drop stack, 4 drop item), or the face placed against. */
        public final int kind;
        public final int x;
        public final int y;
        public final int z;
        /** The face of the block the client points at (0 below, 1 above, 2 to 5 north, south, west, east). */
        public final int face;
        /**
         * Where on the clicked face a placement's cursor was, each from 0 to 1 across the block
         * (the client sends sixteenths); 0.5 for a dig.
         */
        public final float cursorX;
        public final float cursorY;
        public final float cursorZ;

        BlockAction(int kind, int x, int y, int z, int face) {
            this(kind, x, y, z, face, 0.5f, 0.5f, 0.5f);
        }

        BlockAction(int kind, int x, int y, int z, int face, float cursorX, float cursorY, float cursorZ) {
            this.kind = kind;
            this.x = x;
            this.y = y;
            this.z = z;
            this.face = face;
            this.cursorX = cursorX;
            this.cursorY = cursorY;
            this.cursorZ = cursorZ;
        }
    }

    /** A Plugin Message from the client: its channel and data. */
    public static final class PluginMessage {
        public final String channel;
        public final byte[] data;

        PluginMessage(String channel, byte[] data) {
            this.channel = channel;
            this.data = data;
        }
    }

    /** The longest channel name a client may send (the protocol's 20 characters). */
    public static final int MAX_CHANNEL_NAME = 20;
    /** The most data a client's Plugin Message carries. */
    public static final int MAX_PLUGIN_DATA = 32767;

    public static PluginMessage pluginMessage(PacketIn in) throws PacketIn.ProtocolException {
        String channel = in.readString(MAX_CHANNEL_NAME);
        byte[] data = in.readShortBytes(MAX_PLUGIN_DATA);
        return new PluginMessage(channel, data);
    }

    public static BlockAction playerDigging(PacketIn in) throws PacketIn.ProtocolException {
        int status = in.readByte();
        int x = in.readInt();
        int y = in.readUnsignedByte();
        int z = in.readInt();
        int face = in.readByte();
        return new BlockAction(status, x, y, z, face);
    }

    /**
     * Block Placement: the clicked block and face (-1: use the item in the air) and the cursor's
     * place on that face; the held item is skipped (the server knows what is in the hand).
     */
    public static BlockAction blockPlacement(PacketIn in) throws PacketIn.ProtocolException {
        int x = in.readInt();
        int y = in.readUnsignedByte();
        int z = in.readInt();
        int face = in.readByte();
        readSlot(in);
        float cx = Math.min(in.readUnsignedByte(), 16) / 16f;
        float cy = Math.min(in.readUnsignedByte(), 16) / 16f;
        float cz = Math.min(in.readUnsignedByte(), 16) / 16f;
        return new BlockAction(face, x, y, z, face, cx, cy, cz);
    }

    public static int heldItemChange(PacketIn in) throws PacketIn.ProtocolException {
        return in.readShort();
    }

    /** The animation id of an Animation packet (the entity id before it is the sender's own). */
    public static int animation(PacketIn in) throws PacketIn.ProtocolException {
        in.readInt();
        return in.readByte();
    }

    /** A window click: window, slot, button, action number, mode and the item the client shows. */
    public static final class Click {
        public final int window;
        public final int slot;
        public final int button;
        public final int action;
        public final int mode;
        public final Slot item;

        Click(int window, int slot, int button, int action, int mode, Slot item) {
            this.window = window;
            this.slot = slot;
            this.button = button;
            this.action = action;
            this.mode = mode;
            this.item = item;
        }
    }

    public static Click clickWindow(PacketIn in) throws PacketIn.ProtocolException {
        int window = in.readByte();
        int slot = in.readShort();
        int button = in.readByte();
        int action = in.readShort();
        int mode = in.readByte();
        return new Click(window, slot, button, action, mode, readSlot(in));
    }

    /** Confirm Transaction from the client: the window and action number of a refused click it has caught up with. */
    public static final class Confirm {
        public final int window;
        public final int action;
        public final boolean accepted;

        Confirm(int window, int action, boolean accepted) {
            this.window = window;
            this.action = action;
            this.accepted = accepted;
        }
    }

    public static Confirm confirmTransaction(PacketIn in) throws PacketIn.ProtocolException {
        int window = in.readByte();
        int action = in.readShort();
        return new Confirm(window, action, in.readBoolean());
    }

    /** The window id of Close Window. */
    public static int closeWindow(PacketIn in) throws PacketIn.ProtocolException {
        return in.readByte();
    }

    /** Entity Action: 1 crouch, 2 stand up, 3 leave bed, 4 start sprinting, 5 stop, 6 horse jump, 7 horse inventory. */
    public static final int ACTION_CROUCH = 1;
    public static final int ACTION_UNCROUCH = 2;

    /** The action id of Entity Action (the entity id before it is the sender's own; the jump boost after it is skipped). */
    public static int entityAction(PacketIn in) throws PacketIn.ProtocolException {
        in.readInt();
        int action = in.readByte();
        in.readInt();
        return action;
    }

    /** Creative Inventory Action: the slot (-1 outside the window) and the item put there. */
    public static final class CreativeSlot {
        public final int slot;
        public final Slot item;

        CreativeSlot(int slot, Slot item) {
            this.slot = slot;
            this.item = item;
        }
    }

    public static CreativeSlot creativeInventoryAction(PacketIn in) throws PacketIn.ProtocolException {
        int slot = in.readShort();
        return new CreativeSlot(slot, readSlot(in));
    }

    /** The action of Client Status. */
    public static int clientStatus(PacketIn in) throws PacketIn.ProtocolException {
        return in.readByte();
    }

    public static int keepAlive(PacketIn in) throws PacketIn.ProtocolException {
        return in.readInt();
    }

    public static String chat(PacketIn in) throws PacketIn.ProtocolException {
        return in.readString(MAX_CHAT);
    }

    /** An item as a packet carries it; the NBT bytes are skipped. id -1 is an empty slot. */
    public static final class Slot {
        public final int id;
        public final int count;
        public final int damage;

        Slot(int id, int count, int damage) {
            this.id = id;
            this.count = count;
            this.damage = damage;
        }
    }

    static Slot readSlot(PacketIn in) throws PacketIn.ProtocolException {
        int id = in.readShort();
        if (id < 0) {
            return new Slot(-1, 0, 0);
        }
        int count = in.readByte();
        int damage = in.readShort();
        int nbt = in.readShort();
        if (nbt > 0) {
            in.skip(nbt);
        }
        return new Slot(id, count, damage);
    }
    // --- what the plugins' events read: entity clicks, sign text, flight, chat completion ---

    /** Use Entity: the entity clicked, and whether it was a right click (interact) or a left one (attack). */
    public static final class UseEntity {
        public final int target;
        public final boolean attack;

        UseEntity(int target, boolean attack) {
            this.target = target;
            this.attack = attack;
        }
    }

    /** The mouse byte of Use Entity: 0 right click, 1 left click. */
    public static final int MOUSE_ATTACK = 1;

    public static UseEntity useEntity(PacketIn in) throws PacketIn.ProtocolException {
        int target = in.readInt();
        return new UseEntity(target, in.readByte() == MOUSE_ATTACK);
    }

    /** The longest line of a sign the game allows. */
    public static final int SIGN_LINE = 15;

    /** Update Sign: the block and its four lines. */
    public static final class SignText {
        public final int x;
        public final int y;
        public final int z;
        public final String[] lines;

        SignText(int x, int y, int z, String[] lines) {
            this.x = x;
            this.y = y;
            this.z = z;
            this.lines = lines;
        }
    }

    /** Reads the four lines; one longer than a sign holds (a modified client) is a protocol error. */
    public static SignText updateSign(PacketIn in) throws PacketIn.ProtocolException {
        int x = in.readInt();
        int y = in.readShort();
        int z = in.readInt();
        String[] lines = new String[4];
        for (int i = 0; i < 4; i++) {
            lines[i] = in.readString(SIGN_LINE);
        }
        return new SignText(x, y, z, lines);
    }

    /** The flags of the client's Player Abilities (2: flying); the speeds after them are the server's to say. */
    public static final int ABILITY_FLYING = 0x02;

    public static int playerAbilities(PacketIn in) throws PacketIn.ProtocolException {
        int flags = in.readByte();
        in.readFloat();
        in.readFloat();
        return flags;
    }

    /** Tab-Complete: the text before the cursor, as long as a chat line. */
    public static String tabComplete(PacketIn in) throws PacketIn.ProtocolException {
        return in.readString(MAX_CHAT);
    }

    /** Entity Action ids of sprinting. */
    public static final int ACTION_LEAVE_BED = 3;
    public static final int ACTION_START_SPRINT = 4;
    public static final int ACTION_STOP_SPRINT = 5;
}
