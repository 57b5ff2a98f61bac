# A foot soldier of many campaigns: tough, well armed, hard to surprise.
Profile,Infantry Veteran
Race,Human,8
Race,Clan Elemental,2
Priority,Attributes,4
Priority,Skills,4
Priority,Advantages,2
Priority,BattleMech,0
Attribute,BLD,5
Attribute,REF,4
Attribute,INT,2
Attribute,LRN,1
Attribute,CHA,1
Training,None,1
Training,Speciality,4
Training,Package,4
Training,Clan,5
Speciality,Infantry Trooper,10
Speciality,Battle Armor Trooper,4
Speciality,*,1
Package,Mercenary Veteran,8
Package,Militia Recruit,2
Package,*,1
Skill,Small Arms,10
Skill,Support Weapons,6
Skill,Unarmed Combat,5
Skill,Blade,4
Skill,Demolitions,4
Skill,First Aid,3
Skill,Tactics,3
Skill,Running,3
Skill,*,1
Advantage,Toughness,5
Advantage,Combat Sense,4
Advantage,Extra Edge,3
Advantage,*,1
Gear,Rifles,8
Gear,Support Weapons,5
Gear,Armour,6
Gear,Medical,3
Gear,Field Gear,3
Gear,*,1
Rank,Private,2
Rank,Corporal,3
Rank,Sergeant,5
Rank,Staff Sergeant,2
Transfer,70
