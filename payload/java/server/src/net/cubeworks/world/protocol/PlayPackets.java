package net.cubeworks.world.protocol;

import java.util.List;
import java.util.UUID;

/**
 * Every packet the server sends in the play state, each built from plain values by a
 * method of its name. The ids are the 1.7 protocol's (versions 4 and 5).
 */
public final class PlayPackets {
    public static final int KEEP_ALIVE = 0x00;
    public static final int JOIN_GAME = 0x01;
    public static final int CHAT = 0x02;
    public static final int TIME_UPDATE = 0x03;
    public static final int ENTITY_EQUIPMENT = 0x04;
    public static final int SPAWN_POSITION = 0x05;
    public static final int UPDATE_HEALTH = 0x06;
    public static final int SET_EXPERIENCE = 0x1F;
    public static final int RESPAWN = 0x07;
    public static final int POSITION_AND_LOOK = 0x08;
    public static final int HELD_ITEM_CHANGE = 0x09;
    public static final int ANIMATION = 0x0B;
    public static final int SPAWN_PLAYER = 0x0C;
    public static final int DESTROY_ENTITIES = 0x13;
    public static final int ENTITY_RELATIVE_MOVE = 0x15;
    public static final int ENTITY_LOOK = 0x16;
    public static final int ENTITY_LOOK_AND_RELATIVE_MOVE = 0x17;
    public static final int ENTITY_TELEPORT = 0x18;
    public static final int ENTITY_HEAD_LOOK = 0x19;
    public static final int CHUNK_DATA = 0x21;
    public static final int BLOCK_CHANGE = 0x23;
    public static final int BLOCK_BREAK_ANIMATION = 0x25;
    public static final int MAP_CHUNK_BULK = 0x26;
    public static final int EFFECT = 0x28;
    public static final int CHANGE_GAME_STATE = 0x2B;
    public static final int OPEN_WINDOW = 0x2D;
    public static final int CLOSE_WINDOW = 0x2E;
    public static final int SET_SLOT = 0x2F;
    public static final int WINDOW_ITEMS = 0x30;
    public static final int WINDOW_PROPERTY = 0x31;
    public static final int CONFIRM_TRANSACTION = 0x32;
    public static final int PLAYER_LIST_ITEM = 0x38;
    public static final int PLAYER_ABILITIES = 0x39;
    public static final int PLUGIN_MESSAGE = 0x3F;
    public static final int DISCONNECT = 0x40;

    /** Change Game State reason: the game mode changed, the value is the new mode. */
    public static final int GAME_STATE_MODE = 3;
    /** Animation id of an arm swing. */
    public static final int ANIMATION_SWING_ARM = 0;
    /** Effect id of a block breaking: its particles and sound; the data is the block id | metadata << 12. */
    public static final int EFFECT_BLOCK_BREAK = 2001;
    /** Effect id of a fire put out: its hiss. */
    public static final int EFFECT_FIRE_OUT = 1004;

    private PlayPackets() {
    }

    public static PacketOut keepAlive(int id) {
        return new PacketOut(KEEP_ALIVE).writeInt(id);
    }

    /** Join Game; flags is the game mode, with 8 added on a hardcore server. */
    public static PacketOut joinGame(int entityId, int modeFlags, int dimension, int difficulty, int maxPlayers,
            String levelType) {
        return new PacketOut(JOIN_GAME).writeInt(entityId).writeByte(modeFlags).writeByte(dimension)
                .writeByte(difficulty).writeByte(maxPlayers).writeString(levelType);
    }

    /** A chat line: the message as a chat component in JSON. */
    /** Plugin Message: the channel, then the data behind its length as a short. */
    public static PacketOut pluginMessage(String channel, byte[] data) {
        return new PacketOut(PLUGIN_MESSAGE).writeString(channel).writeShort(data.length).writeBytes(data);
    }

    public static PacketOut chat(String json) {
        return new PacketOut(CHAT).writeString(json);
    }

    public static PacketOut timeUpdate(long worldAge, long dayTime) {
        return new PacketOut(TIME_UPDATE).writeLong(worldAge).writeLong(dayTime);
    }

    /** Entity Equipment; slot 0 is the hand, 1 to 4 the armour from the boots up. */
    public static PacketOut entityEquipment(int entityId, int slot, int itemId, int count, int damage) {
        PacketOut p = new PacketOut(ENTITY_EQUIPMENT).writeInt(entityId).writeShort(slot);
        return writeSlot(p, itemId, count, damage);
    }

    public static PacketOut spawnPosition(int x, int y, int z) {
        return new PacketOut(SPAWN_POSITION).writeInt(x).writeInt(y).writeInt(z);
    }

    /** Set Experience: the bar's fill (0 to 1), the level and the total points. */
    public static PacketOut setExperience(float bar, int level, int total) {
        return new PacketOut(SET_EXPERIENCE).writeFloat(bar).writeShort(level).writeShort(total);
    }

    public static PacketOut updateHealth(float health, int food, float saturation) {
        return new PacketOut(UPDATE_HEALTH).writeFloat(health).writeShort(food).writeFloat(saturation);
    }

    public static PacketOut respawn(int dimension, int difficulty, int gameMode, String levelType) {
        return new PacketOut(RESPAWN).writeInt(dimension).writeByte(difficulty).writeByte(gameMode)
                .writeString(levelType);
    }

    /** Player Position And Look; y is the eyes' height, as the 1.7 client reads it. */
    public static PacketOut positionAndLook(double x, double eyeY, double z, float yaw, float pitch,
            boolean onGround) {
        return new PacketOut(POSITION_AND_LOOK).writeDouble(x).writeDouble(eyeY).writeDouble(z).writeFloat(yaw)
                .writeFloat(pitch).writeBoolean(onGround);
    }

    public static PacketOut heldItemChange(int slot) {
        return new PacketOut(HELD_ITEM_CHANGE).writeByte(slot);
    }

    /** Animation id of a player getting out of bed. */
    public static final int ANIMATION_LEAVE_BED = 2;
    /** Change Game State reason: the player's bed was missing or obstructed (the client says so). */
    public static final int GAME_STATE_INVALID_BED = 0;

    public static PacketOut animation(int entityId, int animation) {
        return new PacketOut(ANIMATION).writeVarInt(entityId).writeByte(animation);
    }

    /**
     * Spawn Player as the viewer's protocol reads it: protocol 4 has the UUID as 32 hex
     * digits, protocol 5 hyphenated and then the profile's properties (name, value,
     * signature). Position in fixed point (1/32 block), angles in 1/256 turns; the metadata
     * carries the entity flags and the health.
     */
    public static PacketOut spawnPlayer(int protocol, int entityId, UUID uuid, String name,
            List<String[]> properties, int fx, int fy, int fz, int yaw, int pitch, int heldItem, float health) {
        PacketOut p = new PacketOut(SPAWN_PLAYER).writeVarInt(entityId);
        if (protocol <= 4) {
            p.writeString(uuid.toString().replace("-", "")).writeString(name);
        } else {
            p.writeString(uuid.toString()).writeString(name);
            p.writeVarInt(properties.size());
            for (String[] prop : properties) {
                p.writeString(prop[0]).writeString(prop[1]).writeString(prop[2] == null ? "" : prop[2]);
            }
        }
        p.writeInt(fx).writeInt(fy).writeInt(fz).writeByte(yaw).writeByte(pitch).writeShort(heldItem);
        // metadata: index 0 byte (flags), index 6 float (health), end marker
        p.writeByte(0x00).writeByte(0).writeByte(0x66).writeFloat(health).writeByte(0x7F);
        return p;
    }

    public static PacketOut destroyEntities(List<Integer> ids) {
        PacketOut p = new PacketOut(DESTROY_ENTITIES).writeByte(ids.size());
        for (int id : ids) {
            p.writeInt(id);
        }
        return p;
    }

    public static PacketOut entityRelativeMove(int entityId, int dx, int dy, int dz) {
        return new PacketOut(ENTITY_RELATIVE_MOVE).writeInt(entityId).writeByte(dx).writeByte(dy).writeByte(dz);
    }

    public static PacketOut entityLook(int entityId, int yaw, int pitch) {
        return new PacketOut(ENTITY_LOOK).writeInt(entityId).writeByte(yaw).writeByte(pitch);
    }

    public static PacketOut entityLookAndRelativeMove(int entityId, int dx, int dy, int dz, int yaw, int pitch) {
        return new PacketOut(ENTITY_LOOK_AND_RELATIVE_MOVE).writeInt(entityId).writeByte(dx).writeByte(dy)
                .writeByte(dz).writeByte(yaw).writeByte(pitch);
    }

    public static PacketOut entityTeleport(int entityId, int fx, int fy, int fz, int yaw, int pitch) {
        return new PacketOut(ENTITY_TELEPORT).writeInt(entityId).writeInt(fx).writeInt(fy).writeInt(fz)
                .writeByte(yaw).writeByte(pitch);
    }

    public static PacketOut entityHeadLook(int entityId, int yaw) {
        return new PacketOut(ENTITY_HEAD_LOOK).writeInt(entityId).writeByte(yaw);
    }

    /** Chunk Data that unloads the column: ground-up, both bit maps 0, no data. */
    public static PacketOut unloadColumn(int x, int z) {
        return new PacketOut(CHUNK_DATA).writeInt(x).writeInt(z).writeBoolean(true).writeShort(0).writeShort(0)
                .writeInt(0);
    }

    public static PacketOut blockChange(int x, int y, int z, int blockId, int data) {
        return new PacketOut(BLOCK_CHANGE).writeInt(x).writeByte(y).writeInt(z).writeVarInt(blockId).writeByte(data);
    }

    /**
     * Block Break Animation: the cracks a digger (by entity id) has made in a block, stage 0
     * to 9; any other stage takes them away.
     */
    public static PacketOut blockBreakAnimation(int entityId, int x, int y, int z, int stage) {
        return new PacketOut(BLOCK_BREAK_ANIMATION).writeVarInt(entityId).writeInt(x).writeInt(y).writeInt(z)
                .writeByte(stage);
    }

    /** Effect: a sound or particles at a block; without the relative volume flag, heard by distance. */
    public static PacketOut effect(int effectId, int x, int y, int z, int data, boolean disableRelativeVolume) {
        return new PacketOut(EFFECT).writeInt(effectId).writeInt(x).writeByte(y).writeInt(z).writeInt(data)
                .writeBoolean(disableRelativeVolume);
    }

    public static PacketOut changeGameState(int reason, float value) {
        return new PacketOut(CHANGE_GAME_STATE).writeByte(reason).writeFloat(value);
    }

    /** Open Window: id, type (1 a crafting table), title, slots besides the player's, and whether the title is shown as sent. */
    public static PacketOut openWindow(int window, int type, String title, int slots, boolean useTitle) {
        return new PacketOut(OPEN_WINDOW).writeByte(window).writeByte(type).writeString(title).writeByte(slots)
                .writeBoolean(useTitle);
    }

    public static PacketOut closeWindow(int window) {
        return new PacketOut(CLOSE_WINDOW).writeByte(window);
    }

    /** Set Slot; window -1 slot -1 is the item on the cursor. */
    public static PacketOut setSlot(int window, int slot, int itemId, int count, int damage) {
        return writeSlot(new PacketOut(SET_SLOT).writeByte(window).writeShort(slot), itemId, count, damage);
    }

    /** Window Items: every slot of the window; a count of 0 is an empty slot. */
    public static PacketOut windowItems(int window, int[] itemIds, int[] counts, int[] damages) {
        PacketOut p = new PacketOut(WINDOW_ITEMS).writeByte(window).writeShort(itemIds.length);
        for (int i = 0; i < itemIds.length; i++) {
            writeSlot(p, itemIds[i], counts[i], damages[i]);
        }
        return p;
    }

    public static PacketOut confirmTransaction(int window, int action, boolean accepted) {
        return new PacketOut(CONFIRM_TRANSACTION).writeByte(window).writeShort(action).writeBoolean(accepted);
    }

    /** Window Property: a bar of an open window (a furnace's smelting arrow and flame), as the window's kind reads it. */
    public static PacketOut windowProperty(int window, int property, int value) {
        return new PacketOut(WINDOW_PROPERTY).writeByte(window).writeShort(property).writeShort(value);
    }

    /** A player-list entry for the tab list. */
    public static PacketOut playerListItem(String name, boolean online, int ping) {
        return new PacketOut(PLAYER_LIST_ITEM).writeString(name).writeBoolean(online).writeShort(ping);
    }

    /** Player Abilities: flags 1 invulnerable, 2 flying, 4 may fly, 8 creative. */
    public static PacketOut playerAbilities(int flags, float flyingSpeed, float walkingSpeed) {
        return new PacketOut(PLAYER_ABILITIES).writeByte(flags).writeFloat(flyingSpeed).writeFloat(walkingSpeed);
    }

    /** The reason as a chat component in JSON. */
    public static PacketOut disconnect(String reasonJson) {
        return new PacketOut(DISCONNECT).writeString(reasonJson);
    }

    /** A slot as the protocol writes it: id, count, damage and no NBT; id -1 for an empty slot. */
    static PacketOut writeSlot(PacketOut p, int itemId, int count, int damage) {
        if (count <= 0 || itemId <= 0) {
            return p.writeShort(-1);
        }
        return p.writeShort(itemId).writeByte(count).writeShort(damage).writeShort(-1);
    }

    // --- what the plugins' events answer with: completions, hits ---

    public static final int TAB_COMPLETE = 0x3A;
    public static final int ENTITY_VELOCITY = 0x12;
    /** Entity Status: the entity was hurt (it flashes red and the hurt sound plays). */
    public static final int STATUS_HURT = 2;

    /** Tab-Complete: the completions of the client's text, each a whole word to put in. */
    public static PacketOut tabComplete(java.util.Collection<String> matches) {
        PacketOut p = new PacketOut(TAB_COMPLETE).writeVarInt(matches.size());
        for (String m : matches) {
            p.writeString(m);
        }
        return p;
    }

    /** Entity Velocity in blocks a tick, each part clamped to the protocol's 3.9. */
    public static PacketOut entityVelocity(int entityId, double vx, double vy, double vz) {
        return new PacketOut(ENTITY_VELOCITY).writeInt(entityId).writeShort(velocityPart(vx))
                .writeShort(velocityPart(vy)).writeShort(velocityPart(vz));
    }

    private static int velocityPart(double v) {
        return (int) (Math.max(-3.9, Math.min(3.9, v)) * 8000);
    }

    // --- items on the ground and experience orbs ---

    public static final int COLLECT_ITEM = 0x0D;
    public static final int SPAWN_EXPERIENCE_ORB = 0x11;
    public static final int ENTITY_METADATA = 0x1C;
    /** Spawn Object's type of an item on the ground. */
    public static final int OBJECT_ITEM = 2;
    /** The metadata index of an item entity's stack (a slot, type 5). */
    private static final int METADATA_ITEM_STACK = 10;

    /** Entity Metadata of an item on the ground: the stack it shows (with its tag, gzipped; null for none). */
    public static PacketOut itemMetadata(int entityId, int itemId, int count, int damage, byte[] gzippedTag) {
        PacketOut p = new PacketOut(ENTITY_METADATA).writeInt(entityId).writeByte(5 << 5 | METADATA_ITEM_STACK);
        return writeSlot(p, itemId, count, damage, gzippedTag).writeByte(0x7F);
    }

    /** Collect Item: the collector's client shows the item flying to him, everyone's the item going. */
    public static PacketOut collectItem(int collectedId, int collectorId) {
        return new PacketOut(COLLECT_ITEM).writeInt(collectedId).writeInt(collectorId);
    }

    /** Spawn Experience Orb: the place in fixed point and how much it is worth. */
    public static PacketOut spawnExperienceOrb(int entityId, int fx, int fy, int fz, int amount) {
        return new PacketOut(SPAWN_EXPERIENCE_ORB).writeVarInt(entityId).writeInt(fx).writeInt(fy).writeInt(fz)
                .writeShort(amount);
    }

    // --- entity effects, sounds, lightning, signs, note blocks, scoreboards ---

    public static final int ENTITY_STATUS = 0x1A;
    public static final int ENTITY_EFFECT = 0x1D;
    public static final int REMOVE_ENTITY_EFFECT = 0x1E;
    public static final int BLOCK_ACTION = 0x24;
    public static final int NAMED_SOUND_EFFECT = 0x29;
    public static final int SPAWN_GLOBAL_ENTITY = 0x2C;
    public static final int SPAWN_OBJECT = 0x0E;
    /** The object types of Spawn Object the world sends. */
    public static final int OBJECT_PRIMED_TNT = 50;
    public static final int OBJECT_FALLING_BLOCK = 70;
    public static final int UPDATE_SIGN = 0x33;
    public static final int SCOREBOARD_OBJECTIVE = 0x3B;
    public static final int UPDATE_SCORE = 0x3C;
    public static final int DISPLAY_SCOREBOARD = 0x3D;
    public static final int TEAMS = 0x3E;
    /** Change Game State reasons: the rain stops, the rain starts. */
    public static final int GAME_STATE_END_RAIN = 1;
    public static final int GAME_STATE_BEGIN_RAIN = 2;
    /** Spawn Global Entity type of a lightning bolt. */
    public static final int GLOBAL_ENTITY_THUNDERBOLT = 1;
    /** The plugin channel that tells a 1.7 client where to download a resource pack. */
    public static final String RESOURCE_PACK_CHANNEL = "MC|RPack";

    /** Entity Status: an effect shown on an entity (2 hurt, 3 death, ...). */
    public static PacketOut entityStatus(int entityId, int status) {
        return new PacketOut(ENTITY_STATUS).writeInt(entityId).writeByte(status);
    }

    /** Entity Effect: a status effect on an entity, its amplifier and the ticks it has left (at most 32767). */
    public static PacketOut entityEffect(int entityId, int effectId, int amplifier, int durationTicks) {
        return new PacketOut(ENTITY_EFFECT).writeInt(entityId).writeByte(effectId).writeByte(amplifier)
                .writeShort(Math.max(0, Math.min(Short.MAX_VALUE, durationTicks)));
    }

    public static PacketOut removeEntityEffect(int entityId, int effectId) {
        return new PacketOut(REMOVE_ENTITY_EFFECT).writeInt(entityId).writeByte(effectId);
    }

    /** Block Action: for a note block, the instrument and the pitch to play. */
    public static PacketOut blockAction(int x, int y, int z, int byte1, int byte2, int blockId) {
        return new PacketOut(BLOCK_ACTION).writeInt(x).writeShort(y).writeInt(z).writeByte(byte1).writeByte(byte2)
                .writeVarInt(blockId);
    }

    /**
     * Named Sound Effect: a sound by the game's name, at a position in eighths of a block, the
     * volume (1 is heard to 16 blocks) and the pitch as 63 times the rate (0 to 255).
     */
    public static PacketOut namedSoundEffect(String name, double x, double y, double z, float volume, float pitch) {
        int p = Math.max(0, Math.min(255, (int) (pitch * 63f)));
        return new PacketOut(NAMED_SOUND_EFFECT).writeString(name).writeInt((int) (x * 8)).writeInt((int) (y * 8))
                .writeInt((int) (z * 8)).writeFloat(volume).writeByte(p);
    }

    /** Spawn Global Entity: a lightning bolt at a position in thirty-seconds of a block. */
    public static PacketOut spawnGlobalEntity(int entityId, int type, int fx, int fy, int fz) {
        return new PacketOut(SPAWN_GLOBAL_ENTITY).writeVarInt(entityId).writeByte(type).writeInt(fx).writeInt(fy)
                .writeInt(fz);
    }

    public static final int OPEN_SIGN_EDITOR = 0x36;

    /** Open Sign Editor: the client opens the text editor of the sign it was just sent at the block. */
    public static PacketOut openSignEditor(int x, int y, int z) {
        return new PacketOut(OPEN_SIGN_EDITOR).writeInt(x).writeInt(y).writeInt(z);
    }

    /**
     * Spawn Object: a thing that is not alive, of a type (falling block 70, primed TNT 50), at a
     * position in thirty-seconds of a block, turned in 256ths of a turn; its data (a falling
     * block's id | metadata << 16) and, when that is not 0, its motion in blocks a tick.
     */
    public static PacketOut spawnObject(int entityId, int type, int fx, int fy, int fz, int pitch, int yaw, int data,
            double vx, double vy, double vz) {
        PacketOut p = new PacketOut(SPAWN_OBJECT).writeVarInt(entityId).writeByte(type).writeInt(fx).writeInt(fy)
                .writeInt(fz).writeByte(pitch).writeByte(yaw).writeInt(data);
        if (data != 0) {
            p.writeShort(speed(vx)).writeShort(speed(vy)).writeShort(speed(vz));
        }
        return p;
    }

    /** A motion in blocks a tick as the protocol carries it: 8000ths, within 3.9 either way. */
    private static int speed(double v) {
        return (int) (Math.max(-3.9, Math.min(3.9, v)) * 8000);
    }

    /** Update Sign: the four lines of the sign at a block (15 characters each at most). */
    public static PacketOut updateSign(int x, int y, int z, String[] lines) {
        PacketOut p = new PacketOut(UPDATE_SIGN).writeInt(x).writeShort(y).writeInt(z);
        for (int i = 0; i < 4; i++) {
            String line = i < lines.length && lines[i] != null ? lines[i] : "";
            p.writeString(line.length() > 15 ? line.substring(0, 15) : line);
        }
        return p;
    }

    /** Scoreboard Objective: mode 0 creates, 1 removes, 2 changes the display name. */
    public static PacketOut scoreboardObjective(String name, String displayName, int mode) {
        return new PacketOut(SCOREBOARD_OBJECTIVE).writeString(name).writeString(displayName).writeByte(mode);
    }

    /** Update Score: an entry's score in an objective. */
    public static PacketOut updateScore(String entry, String objective, int value) {
        return new PacketOut(UPDATE_SCORE).writeString(entry).writeByte(0).writeString(objective).writeInt(value);
    }

    /** Update Score that removes an entry from every objective. */
    public static PacketOut removeScore(String entry) {
        return new PacketOut(UPDATE_SCORE).writeString(entry).writeByte(1);
    }

    /** Display Scoreboard: slot 0 the player list, 1 the sidebar, 2 below the name; "" clears it. */
    public static PacketOut displayScoreboard(int slot, String objective) {
        return new PacketOut(DISPLAY_SCOREBOARD).writeByte(slot).writeString(objective);
    }

    /**
     * Teams: mode 0 creates (with the display parts and the players), 1 removes, 2 changes the
     * display parts, 3 adds players, 4 removes players. Friendly flags: 1 friendly fire, 2 sees
     * invisible team mates.
     */
    public static PacketOut teams(String name, int mode, String displayName, String prefix, String suffix,
            int friendlyFlags, java.util.Collection<String> players) {
        PacketOut p = new PacketOut(TEAMS).writeString(name).writeByte(mode);
        if (mode == 0 || mode == 2) {
            p.writeString(displayName).writeString(prefix).writeString(suffix).writeByte(friendlyFlags);
        }
        if (mode == 0 || mode == 3 || mode == 4) {
            p.writeShort(players.size());
            for (String player : players) {
                p.writeString(player);
            }
        }
        return p;
    }

    public static final int STATISTICS = 0x37;

    /** Statistics: named counts the client keeps; an achievement's count of 1 shows it as earned. */
    public static PacketOut statistics(java.util.Map<String, Integer> values) {
        PacketOut p = new PacketOut(STATISTICS).writeVarInt(values.size());
        for (java.util.Map.Entry<String, Integer> e : values.entrySet()) {
            p.writeString(e.getKey()).writeVarInt(e.getValue());
        }
        return p;
    }

    public static final int EXPLOSION = 0x27;

    /**
     * Explosion: the centre, the radius, the blocks it destroyed as offsets from the centre's
     * block (the client clears them itself and shows the blast), and the push it gives the player.
     */
    public static PacketOut explosion(float x, float y, float z, float radius, List<int[]> offsets,
            float pushX, float pushY, float pushZ) {
        PacketOut p = new PacketOut(EXPLOSION).writeFloat(x).writeFloat(y).writeFloat(z).writeFloat(radius)
                .writeInt(offsets.size());
        for (int[] o : offsets) {
            p.writeByte(o[0]).writeByte(o[1]).writeByte(o[2]);
        }
        return p.writeFloat(pushX).writeFloat(pushY).writeFloat(pushZ);
    }

    // --- slots with the item's tag ---

    /** Set Slot of an item with its tag, gzipped NBT as the world keeps it (null: none). */
    public static PacketOut setSlot(int window, int slot, int itemId, int count, int damage, byte[] gzippedTag) {
        return writeSlot(new PacketOut(SET_SLOT).writeByte(window).writeShort(slot), itemId, count, damage, gzippedTag);
    }

    /** Window Items with each slot's tag (a null entry, or null tags: none). */
    public static PacketOut windowItems(int window, int[] itemIds, int[] counts, int[] damages, byte[][] gzippedTags) {
        PacketOut p = new PacketOut(WINDOW_ITEMS).writeByte(window).writeShort(itemIds.length);
        for (int i = 0; i < itemIds.length; i++) {
            writeSlot(p, itemIds[i], counts[i], damages[i], gzippedTags == null ? null : gzippedTags[i]);
        }
        return p;
    }

    /** A slot whose NBT is the length of the gzipped tag, then its bytes; -1 for none. */
    static PacketOut writeSlot(PacketOut p, int itemId, int count, int damage, byte[] gzippedTag) {
        if (count <= 0 || itemId <= 0) {
            return p.writeShort(-1);
        }
        p.writeShort(itemId).writeByte(count).writeShort(damage);
        if (gzippedTag == null || gzippedTag.length > Short.MAX_VALUE) {
            return p.writeShort(-1);
        }
        return p.writeShort(gzippedTag.length).writeBytes(gzippedTag);
    }
}
