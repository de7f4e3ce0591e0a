package net.cubeworks.world.game.mob;

import org.bukkit.entity.Animals;
import org.bukkit.entity.LivingEntity;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.protocol.EntityMetadata;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A farm animal: it wanders and looks about, runs when hurt, follows a player who holds its food,
 * and, fed while grown, looks for a partner in love to make a baby that grows up in twenty
 * minutes; parents wait five minutes before breeding again.
 */
abstract class Animal extends Mob implements Animals {
    /** A baby's age when born: it grows up at 0. */
    public static final int BABY_AGE = -24000;
    /** The wait after breeding. */
    public static final int BREED_WAIT = 6000;
    public static final int LOVE_TICKS = 600;
    /** Entity Status: hearts over a fed animal. */
    static final int STATUS_IN_LOVE = 18;

    /** Negative a baby (ticks to grow up), positive ticks before it may breed again. */
    public int age;
    public boolean ageLock;
    public int inLove;
    int panicTicks;
    int breedTicks;
    Animal partner;
    Player tempter;

    Animal(Mobs mobs, MobKind kind, double x, double y, double z) {
        super(mobs, kind, x, y, z);
    }

    /** The item it follows and is fed with. */
    abstract int food();

    /** How fast it runs when hurt, times its walking speed. */
    double panicSpeed() {
        return 1.25;
    }

    abstract Animal baby(double x, double y, double z);

    void think(long tick) {
        if (!ageLock && age != 0) {
            int was = age;
            age += age < 0 ? 1 : -1;
            if (was < 0 && age == 0) {
                sendMetadata(); // grown up
            }
        }
        if (inLove > 0) {
            inLove--;
            if (inLove % 10 == 0) {
                mobs.world.toViewers(this, PlayPackets.entityStatus(getEntityId(), STATUS_IN_LOVE));
            }
        }
        if (panicTicks > 0) {
            panicTicks--;
            if (!walking.hasWay()) {
                int[] p = mobs.randomPlaceNear(this, 5, 4);
                if (p != null) {
                    walking.walkTo(p[0], p[1], p[2], panicSpeed());
                }
            }
            return;
        }
        if (inLove > 0 && seekPartner()) {
            return;
        }
        if ((tick + getEntityId()) % 10 == 0) {
            tempter = tempting();
        }
        if (tempter != null) {
            if (targets.distanceSquared(tempter) > 6.25) {
                org.bukkit.Location l = tempter.getLocation();
                walking.walkTo(floor(l.getX()), floor(l.getY() + 0.01), floor(l.getZ()), 1.0);
            } else {
                walking.stop();
            }
            walking.lookAt(tempter);
            return;
        }
        if (!walking.hasWay() && mobs.random.nextInt(120) == 0) {
            int[] p = mobs.randomPlaceNear(this, 10, 7);
            if (p != null) {
                walking.walkTo(p[0], p[1], p[2], 1.0);
            }
        } else if (!walking.hasWay() && mobs.random.nextInt(50) == 0) {
            Player p = targets.nearestPlayer(6, false);
            if (p != null) {
                walking.lookAt(p);
            } else {
                headYaw = yaw = yaw + (mobs.random.nextFloat() - 0.5f) * 90f;
            }
        }
    }

    /** The nearest player within 10 blocks holding its food. */
    private Player tempting() {
        for (Player p : mobs.players()) {
            if (targets.distanceSquared(p) < 100 && !p.isDead()) {
                ItemStack hand = p.getItemInHand();
                if (hand != null && hand.getTypeId() == food()) {
                    return p;
                }
            }
        }
        return null;
    }

    /** Walks to another of its kind in love within 8 blocks; after three seconds close, a baby. */
    private boolean seekPartner() {
        if (partner == null || partner.isRemoved() || partner.dead || partner.inLove <= 0) {
            partner = null;
            breedTicks = 0;
            for (org.bukkit.entity.Entity e : getNearbyEntities(8, 8, 8)) {
                if (e != this && e instanceof Animal && ((Animal) e).kind == kind && ((Animal) e).inLove > 0) {
                    partner = (Animal) e;
                    break;
                }
            }
        }
        if (partner == null) {
            return false;
        }
        walking.lookAt(partner);
        if (targets.distanceSquared(partner) > 4) {
            walking.walkTo(floor(partner.x), floor(partner.y + 0.01), floor(partner.z), 1.0);
        } else {
            walking.stop();
        }
        if (++breedTicks >= 60 && targets.distanceSquared(partner) < 9) {
            Animal mate = partner;
            age = BREED_WAIT;
            mate.age = BREED_WAIT;
            inLove = 0;
            mate.inLove = 0;
            partner = null;
            mate.partner = null;
            Animal child = baby(x, y, z);
            child.age = BABY_AGE;
            mobs.add(child, SpawnReason.BREEDING);
            mobs.world.dropExperience(x, y, z, MobExperience.forBreeding(mobs));
        }
        return true;
    }

    void hurtBy(LivingEntity attacker) {
        panicTicks = 60;
        walking.stop();
    }

    public ClickUse interact(Player p, int item, int damage) {
        if (item == food() && age == 0 && inLove == 0 && !dead) {
            inLove = LOVE_TICKS;
            return ClickUse.CONSUME_ONE;
        }
        if (item == food() && age < 0) {
            age = Math.min(0, age + (-age) / 10); // a baby fed grows a tenth of the way
            return ClickUse.CONSUME_ONE;
        }
        return ClickUse.NOTHING;
    }

    void kindMetadata(EntityMetadata m) {
        m.putInt(12, age < 0 ? -1 : 0);
    }

    int[] cooked(int raw, int cooked, boolean burning, int min, int max) {
        return new int[] {burning ? cooked : raw, min + mobs.random.nextInt(max - min + 1), 0};
    }

    // --- the plugin API's members ---

    public boolean canBreed() {
        return age == 0;
    }

    public void setBreed(boolean breed) {
        age = breed ? 0 : BREED_WAIT;
    }

    public int getAge() {
        return age;
    }

    public void setAge(int a) {
        synchronized (lock) {
            age = a;
            sendMetadata();
        }
    }

    public boolean getAgeLock() {
        return ageLock;
    }

    public void setAgeLock(boolean lock) {
        ageLock = lock;
    }

    public boolean isAdult() {
        return age >= 0;
    }

    public void setAdult() {
        if (age < 0) {
            setAge(0);
        }
    }

    public void setBaby() {
        if (age >= 0) {
            setAge(BABY_AGE);
        }
    }
}
